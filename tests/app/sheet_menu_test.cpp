// The calculation sheet from the running window, as a user gets it out: the context menu, the
// shortcuts, the clipboard's two formats, the print preview and a PDF saved where the user
// chooses. Run headless and on X11, where another program reads the clipboard back.
#include <QClipboard>
#include <QDate>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "form_builder.h"
#include "startup.h"
#include "window_controls.h"

using namespace quotara;

namespace {

// Runs `answer` once on the next visible window of the kind `Shown`, from the event loop: the
// code under test is blocked inside it meanwhile. The window is closed after `answer`, so that
// a failed check cannot leave the test waiting on it.
template <typename Shown>
void whenShown(std::function<void(Shown*)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* shown = qobject_cast<Shown*>(window);
            if (shown != nullptr && shown->isVisible()) {
                poll->deleteLater();
                poll->stop();
                answer(shown);
                shown->close();
                return;
            }
        }
    });
    poll->start(20);
}

// A command's output, with the event loop running meanwhile: on X11 the program itself serves
// the clipboard that xclip reads. A missing command fails the test naming its package.
QString outputOf(const QString& program, const QStringList& arguments, const char* package) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        qWarning("%s is missing: apt-get install %s", qPrintable(program), package);
        return {};
    }
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(program, arguments);
    return finished.wait(20000) ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

bool matches(const QString& text, const char* pattern) {
    return QRegularExpression(QString::fromUtf8(pattern)).match(text).hasMatch();
}

}  // namespace

class SheetMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        installChineseResources(*qApp);
        QCoreApplication::addLibraryPath(QStringLiteral(QUOTARA_PLUGIN_BUILD_DIR));
        // A Chinese desktop's documents folder, which the PDF export proposes.
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral(".config")));
        QVERIFY(QDir(home_.path()).mkpath(QStringLiteral("文档")));
        QFile dirs(home_.filePath(QStringLiteral(".config/user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n");
        dirs.close();
        qputenv("HOME", QFile::encodeName(home_.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral(".config"))));
    }

    void init() {
        window_ = std::make_unique<MainWindow>(u'.');
        showCentred(window_->form());
        QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
    }
    void cleanup() { window_.reset(); }

    void rightClickOffersTheSheetButEntriesKeepTheirOwnMenu() {
        for (const char* name : {"Label3_1", "Option4", "Frame5", "Command1", "texta"}) {
            QString seen;
            whenShown<QMenu>([&](QMenu* menu) {
                for (const QAction* action : menu->actions()) {
                    seen += action->text() + u' ' + action->shortcut().toString() + u'|';
                }
            });
            rightClick(name);
            QTRY_VERIFY2(!seen.isEmpty(), name);
            if (QByteArrayView(name) == "texta") {
                QVERIFY2(seen.contains(QStringLiteral("粘贴")) &&
                             !seen.contains(QStringLiteral("计算表")),
                         qPrintable(seen));
            } else {
                QCOMPARE(seen, QStringLiteral("复制计算表 Ctrl+Shift+C|打印计算表… Ctrl+P|"
                                              "导出 PDF… Ctrl+Shift+S|"));
            }
        }
        // A disabled entry has no menu of its own and gets none of the window's.
        rightClick("Text5");
        QTest::qWait(200);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void copyAndSaveAPdfWithoutChangingTheWindow() {
        fillWorkedExample();
        QTest::keyClick(widget("Text4"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        const QString text = clipboard(QStringLiteral("text/plain"));
        QVERIFY2(matches(text, "^公摊面积计算表\\n\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d\\nQuotara ") &&
                     text.contains(QStringLiteral("\n第2户\t70\t7\t77\n")) &&
                     text.endsWith(QStringLiteral("\n使用率（%）\t90.90909\n")),
                 qPrintable(text));
        const QString html = clipboard(QStringLiteral("text/html"));
        QVERIFY2(html.contains(QStringLiteral("<td>第2户</td><td align=\"right\">70</td>")),
                 qPrintable(html));

        const QString expected =
            home_.filePath(QStringLiteral("文档/公摊面积计算表-%1.pdf")
                               .arg(QDate::currentDate().toString(Qt::ISODate)));
        QString proposed;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();  // the user takes the proposal
        });
        QTest::keyClick(widget("Text4"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(proposed, expected);
        QTRY_VERIFY(QFileInfo(expected).size() > 0);
        // As a reader copies it out of the PDF: ideographs, not the radicals that share their
        // glyphs, and digits after Latin letters too.
        const QString pdf =
            outputOf(QStringLiteral("pdftotext"),
                     {QStringLiteral("-layout"), expected, QStringLiteral("-")}, "poppler-utils");
        for (const char* row :
             {"户号\\s+使用面积\\s+分摊面积\\s+建筑面积", "第1户\\s+60\\s+6\\s+66",
              "合计\\s+300\\s+30\\s+330", "公摊系数 K.*\\s0\\.1\\n", "使用率（%）\\s+90\\.90909",
              "Quotara \\d+\\.\\d+"}) {
            QVERIFY2(matches(pdf, row), qPrintable(QString::fromUtf8(row) + u'\n' + pdf));
        }
        const QString info = outputOf(QStringLiteral("pdfinfo"), {expected}, "poppler-utils");
        QVERIFY2(matches(info, "Pages:\\s+1\\n") && info.contains(QStringLiteral("(A4)")),
                 qPrintable(info));
        // pdffonts' "emb" column: every font travels inside the file.
        const QString fonts = outputOf(QStringLiteral("pdffonts"), {expected}, "poppler-utils");
        QVERIFY2(
            matches(fonts, "yes (yes|no) +yes") && !matches(fonts, " no +(yes|no) +(yes|no) +\\d"),
            qPrintable(fonts));

        QVERIFY2(entry("produce1")->text().isEmpty(), "计算 was not clicked");
        QVERIFY(entry("Text9")->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), widget("Text4"));
    }

    void aWarningFromTheMenuIsCalculatesWarningWithTheFocusOnTheEntry() {
        fillWorkedExample();
        entry("Text2")->setText(QStringLiteral("7O"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        const QDir documents(home_.filePath(QStringLiteral("文档")));
        const QStringList saved = documents.entryList(QDir::Files);
        for (const QKeyCombination keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_C, Qt::CTRL | Qt::Key_P,
                                           Qt::CTRL | Qt::SHIFT | Qt::Key_S}) {
            QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
            widget("Text4")->setFocus();
            QString prompt;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            whenShown<QMessageBox>([&](QMessageBox* box) {
                prompt = box->text();
                icon = box->icon();
            });
            QTest::keyClick(widget("Text4"), keys.key(), keys.keyboardModifiers());
            QTRY_COMPARE(prompt, QStringLiteral("请输入数字！！"));
            QCOMPARE(icon, QMessageBox::Warning);
            QTRY_COMPARE(QApplication::focusWidget(), widget("Text2"));
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QCOMPARE(documents.entryList(QDir::Files), saved);
    }

    void printingOpensThePreview() {
        fillWorkedExample();
        QString opened;
        whenShown<QDialog>([&](QDialog* dialog) { opened = dialog->metaObject()->className(); });
        QTest::keyClick(widget("texta"), Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(opened, QStringLiteral("QPrintPreviewDialog"));
    }

    void savingWhereNothingCanBeWrittenSaysSoAndChangesNothing() {
        fillWorkedExample();
        // A folder that is not there: as root, a test would get past any permissions.
        const QString unwritable = home_.filePath(QStringLiteral("gone/sheet.pdf"));
        QString message;
        whenShown<QMessageBox>([&](QMessageBox* box) { message = box->text(); });
        QVERIFY(!window_->sheetMenu().exportPdfTo(unwritable));
        QVERIFY2(message.contains(QStringLiteral("无法写入文件")) && message.contains(unwritable),
                 qPrintable(message));
        QVERIFY(!QFileInfo::exists(unwritable));
        QCOMPARE(entry("Text4")->text(), QStringLiteral("90"));
    }

  private:
    QWidget* widget(const char* name) { return control(window_->form(), name); }
    QLineEdit* entry(const char* name) { return control<QLineEdit>(window_->form(), name); }
    void rightClick(const char* name) {
        QWidget* target = widget(name);
        QContextMenuEvent event(QContextMenuEvent::Mouse, target->rect().center(),
                                target->mapToGlobal(target->rect().center()));
        QApplication::sendEvent(target, &event);
    }
    // The worked example typed in, without clicking 计算.
    void fillWorkedExample() {
        QTest::mouseClick(widget("Option4"), Qt::LeftButton);
        const char* entries[][2] = {
            {"texta", "30"}, {"Text1", "60"}, {"Text2", "70"}, {"Text3", "80"}, {"Text4", "90"}};
        for (const auto& [name, text] : entries) {
            QTest::mouseClick(widget(name), Qt::LeftButton);
            QTest::keyClicks(widget(name), QString::fromLatin1(text));
        }
    }
    // One clipboard format; on X11 as another program reads it.
    static QString clipboard(const QString& format) {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            return format == QLatin1String("text/html") ? data->html() : data->text();
        }
        const QString target =
            format == QLatin1String("text/plain") ? QStringLiteral("UTF8_STRING") : format;
        return outputOf(QStringLiteral("xclip"),
                        {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                         QStringLiteral("-o"), QStringLiteral("-t"), target},
                        "xclip");
    }

    QTemporaryDir home_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(SheetMenuTest)
#include "sheet_menu_test.moc"
