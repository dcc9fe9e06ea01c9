// The calculation sheet from the running window, as a user gets it out: the context menu, the
// shortcuts, the clipboard's two formats, the print preview and a PDF saved where the user
// chooses. Run headless and on X11, where the clipboard is read back by another program.
#include <QAbstractButton>
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
#include "version.h"

using namespace quotara;

namespace {

// Runs `answer` once on the next visible window of the kind `Shown` (a menu, a dialog), from the
// event loop: the code under test is then blocked inside it. Whatever `answer` finds, the window
// is closed after it, so that a failed check cannot leave the test waiting on it.
template <typename Shown>
void whenShown(std::function<void(Shown*)> answer) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, answer = std::move(answer)] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* shown = qobject_cast<Shown*>(window);
            if (shown != nullptr && shown->isVisible()) {
                poll->stop();
                poll->deleteLater();
                answer(shown);
                if (shown->isVisible()) {
                    shown->close();
                }
                return;
            }
        }
    });
    poll->start(20);
}

struct Output {
    int status = -1;
    QString text;
};

// Runs a command while the event loop goes on, so that the program can answer it (the
// clipboard is served by its owner). A missing command fails naming its Debian package.
Output run(const QString& program, const QStringList& arguments, const char* package) {
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        qWarning("%s is missing: apt-get install %s", qPrintable(program), package);
        return {};
    }
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    process.start(program, arguments);
    if (!finished.wait(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
}

QStringList actionTexts(const QWidget* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

}  // namespace

class SheetMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
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

    void rightClickOffersTheSheetExceptOnEntriesWhichKeepTheirMenu() {
        const QStringList ours = {QStringLiteral("复制计算表"), QStringLiteral("打印计算表…"),
                                  QStringLiteral("导出 PDF…")};
        for (const char* name : {"Label3_1", "Option4", "Frame5", "Picture1", "Command1"}) {
            QStringList seen;
            QString shortcuts;
            whenShown<QMenu>([&](QMenu* menu) {
                seen = actionTexts(menu);
                for (const QAction* action : menu->actions()) {
                    shortcuts += action->shortcut().toString() + u' ';
                }
                menu->close();
            });
            rightClick(name);
            QTRY_VERIFY2(!seen.isEmpty(), name);
            QCOMPARE(seen, ours);
            QCOMPARE(shortcuts, QStringLiteral("Ctrl+Shift+C Ctrl+P Ctrl+Shift+S "));
        }

        QStringList entryMenu;
        whenShown<QMenu>([&](QMenu* menu) {
            entryMenu = actionTexts(menu);
            menu->close();
        });
        rightClick("texta");
        QTRY_VERIFY(!entryMenu.isEmpty());
        QVERIFY2(entryMenu.join(u' ').contains(QStringLiteral("粘贴")),
                 qPrintable(entryMenu.join(u' ')));
        QVERIFY(!entryMenu.contains(ours.first()));

        // A disabled entry has no menu of its own and gets none of the window's.
        QVERIFY(!widget("Text5")->isEnabled());
        rightClick("Text5");
        QTest::qWait(200);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    void copyingFromAnEntryPutsRowsAndATableOnTheClipboardAndWritesNothing() {
        fillWorkedExample();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::keyClick(widget("Text4"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

        QStringList lines = clipboard(QStringLiteral("text/plain")).split(u'\n');
        QVERIFY2(lines.size() == 12, qPrintable(lines.join(u'|')));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$"))
                     .match(lines.takeAt(1))
                     .hasMatch(),
                 "the second line is the date and time");
        QCOMPARE(lines, QStringList({
                            QStringLiteral("公摊面积计算表"),
                            QStringLiteral("Quotara " QUOTARA_VERSION),
                            QStringLiteral("户号\t使用面积\t分摊面积\t建筑面积"),
                            QStringLiteral("第1户\t60\t6\t66"),
                            QStringLiteral("第2户\t70\t7\t77"),
                            QStringLiteral("第3户\t80\t8\t88"),
                            QStringLiteral("第4户\t90\t9\t99"),
                            QStringLiteral("合计\t300\t30\t330"),
                            QStringLiteral("公摊系数 K（核心部分面积 ÷ 使用面积合计）\t0.1"),
                            QStringLiteral("使用率（%）\t90.90909"),
                            QString(),
                        }));
        const QString html = clipboard(QStringLiteral("text/html"));
        QVERIFY2(
            html.contains(QStringLiteral("<td>第2户</td><td align=\"right\">70</td>"
                                         "<td align=\"right\">7</td><td align=\"right\">77</td>")),
            qPrintable(html));
        QVERIFY(html.contains(QStringLiteral("<h2>公摊面积计算表</h2>")));

        // Getting the sheet out changes nothing in the window: 计算 has not been clicked.
        QVERIFY(entry("produce1")->text().isEmpty());
        QVERIFY(entry("Text9")->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), widget("Text4"));
    }

    void aWarningFromTheMenuIsCalculatesWarningWithTheFocusOnTheEntry() {
        fillWorkedExample();
        entry("Text2")->setText(QStringLiteral("7O"));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        for (const QKeyCombination keys : {Qt::CTRL | Qt::SHIFT | Qt::Key_C, Qt::CTRL | Qt::Key_P,
                                           Qt::CTRL | Qt::SHIFT | Qt::Key_S}) {
            QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
            widget("Text4")->setFocus();
            QString prompt;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            whenShown<QMessageBox>([&](QMessageBox* box) {
                prompt = box->text();
                icon = box->icon();
                box->button(QMessageBox::Ok)->click();
            });
            QTest::keyClick(widget("Text4"), keys.key(), keys.keyboardModifiers());
            QTRY_COMPARE(prompt, QStringLiteral("请输入数字！！"));
            QCOMPARE(icon, QMessageBox::Warning);
            QTRY_COMPARE(QApplication::focusWidget(), widget("Text2"));
            QCOMPARE(entry("Text2")->text(), QStringLiteral("7O"));
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        QVERIFY(QDir(home_.filePath(QStringLiteral("文档"))).isEmpty());
    }

    void printingOpensThePreviewAndLeavesTheWindowAsItWas() {
        fillWorkedExample();
        QString opened;
        whenShown<QDialog>([&](QDialog* dialog) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            dialog->close();
        });
        QTest::keyClick(widget("texta"), Qt::Key_P, Qt::ControlModifier);
        QTRY_COMPARE(opened, QStringLiteral("QPrintPreviewDialog"));
        QVERIFY(entry("produce1")->text().isEmpty());
    }

    void exportSavesAnA4PdfOfTheTableInTheDocumentsFolder() {
        fillWorkedExample();
        const QString expected =
            home_.filePath(QStringLiteral("文档/公摊面积计算表-%1.pdf")
                               .arg(QDate::currentDate().toString(Qt::ISODate)));
        QString proposed;
        whenShown<QFileDialog>([&](QFileDialog* dialog) {
            proposed = dialog->selectedFiles().value(0);
            static_cast<QDialog*>(dialog)->accept();  // the user takes the proposal
        });
        QTest::keyClick(widget("Text1"), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QTRY_COMPARE(proposed, expected);
        QTRY_VERIFY(QFileInfo(expected).size() > 0);

        const Output text =
            run(QStringLiteral("pdftotext"),
                {QStringLiteral("-layout"), expected, QStringLiteral("-")}, "poppler-utils");
        QCOMPARE(text.status, 0);
        for (const char* pattern :
             {"公摊面积计算表", "户号\\s+使用面积\\s+分摊面积\\s+建筑面积",
              "第1户\\s+60\\s+6\\s+66", "第4户\\s+90\\s+9\\s+99", "合计\\s+300\\s+30\\s+330",
              "公摊系数 K.*\\s0\\.1\\n", "使用率（%）\\s+90\\.90909", "Quotara " QUOTARA_VERSION}) {
            QVERIFY2(QRegularExpression(QString::fromUtf8(pattern)).match(text.text).hasMatch(),
                     qPrintable(QString::fromUtf8(pattern) + u'\n' + text.text));
        }
        const Output info = run(QStringLiteral("pdfinfo"), {expected}, "poppler-utils");
        QVERIFY2(info.text.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info.text));
        QVERIFY2(info.text.contains(QStringLiteral("(A4)")), qPrintable(info.text));
        const Output fonts = run(QStringLiteral("pdffonts"), {expected}, "poppler-utils");
        const QStringList fontRows = fonts.text.split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY2(!fontRows.isEmpty(), qPrintable(fonts.text));
        for (const QString& row : fontRows) {
            // The "emb" column: every font travels inside the file.
            QVERIFY2(row.contains(QRegularExpression(
                         QStringLiteral("\\s+yes\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+$"))),
                     qPrintable(fonts.text));
        }
    }

    void exportToAPlaceThatCannotBeWrittenSaysSoAndChangesNothing() {
        fillWorkedExample();
        // A folder that is not there: as root in a test, permissions would not stop a write.
        const QString unwritable = home_.filePath(QStringLiteral("gone/sheet.pdf"));
        QString message;
        whenShown<QMessageBox>([&](QMessageBox* box) { message = box->text(); });
        QVERIFY(!window_->sheetMenu().exportPdfTo(unwritable));
        QTRY_VERIFY(!message.isEmpty());
        QVERIFY2(message.contains(QStringLiteral("无法写入文件")) && message.contains(unwritable),
                 qPrintable(message));
        QVERIFY(!QFileInfo::exists(unwritable));
        QCOMPARE(entry("Text4")->text(), QStringLiteral("90"));
        QVERIFY(entry("produce1")->text().isEmpty());
    }

  private:
    QWidget* widget(const char* name) {
        auto* found = window_->form().findChild<QWidget*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* entry(const char* name) { return qobject_cast<QLineEdit*>(widget(name)); }
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
    QString clipboard(const QString& format) {
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            const QString target =
                format == QLatin1String("text/plain") ? QStringLiteral("UTF8_STRING") : format;
            const Output output = run(QStringLiteral("xclip"),
                                      {QStringLiteral("-selection"), QStringLiteral("clipboard"),
                                       QStringLiteral("-o"), QStringLiteral("-t"), target},
                                      "xclip");
            return output.text;
        }
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return format == QLatin1String("text/html") ? data->html() : data->text();
    }

    QTemporaryDir home_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(SheetMenuTest)
#include "sheet_menu_test.moc"
