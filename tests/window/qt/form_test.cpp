// The real window as the user sees it: built from its description, in its initial state, with
// its tab order, colours and fonts, and the field model over its widgets.
#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "appearance.h"
#include "form_builder.h"
#include "qt_field_model.h"
#include "qt_message_service.h"
#include "release.h"

using namespace quotara;

namespace {

template <typename Widget = QWidget>
Widget* child(QWidget& form, const QString& name) {
    auto* widget = form.findChild<Widget*>(name);
    if (widget == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return widget;
}

QColor shownBackColor(const QWidget& widget, QPalette::ColorRole role) {
    return widget.palette().color(widget.isEnabled() ? QPalette::Active : QPalette::Disabled, role);
}

// The controls the Tab key visits from Option2 until it comes back.
QStringList tabCycle(QWidget& form) {
    QStringList visited;
    child(form, QStringLiteral("Option2"))->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 40; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || (step > 0 && focus->objectName() == QLatin1String("Option2"))) {
            break;
        }
        visited << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

}  // namespace

class FormTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { installDisplaySettings(); }

  private slots:
    void initTestCase() { installChineseFontSubstitutes(); }
    void init() { form_ = buildForm1(); }
    void cleanup() { form_.reset(); }

    void windowHasItsCaptionFixedClientSizeAndScrollBarColour() {
        QCOMPARE(form_->objectName(), QStringLiteral("Form1"));
        // The build's caption, its full-width dash read as UTF-8.
        QCOMPARE(form_->windowTitle(), QString::fromUtf8(kCaption));
        QCOMPARE(form_->size(), QSize(389, 494));
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(form_->property("systemBackColor").toUInt(), kScrollBarColor);
        QCOMPARE(shownBackColor(*form_, QPalette::Window), systemColor(kScrollBarColor));
    }

    void controlsStandInTheirFramesAtFifteenTwipsToThePixel() {
        const auto at = [&](const char* name, const char* container, QRect pixels) {
            const QWidget* control = child(*form_, QString::fromLatin1(name));
            QCOMPARE(control->parentWidget()->objectName(), QString::fromLatin1(container));
            QCOMPARE(control->geometry(), pixels);
        };
        at("Picture1", "Form1", QRect(16, 0, 353, 49));
        at("Option5", "Frame1", QRect(160, 20, 27, 20));
        at("texta", "Frame2", QRect(96, 16, 141, 24));
        at("Text1", "Frame3", QRect(32, 24, 84, 20));  // a pixel left of the entries below it
        at("Text2", "Frame3", QRect(33, 53, 84, 20));
        at("Text8", "Frame3", QRect(33, 213, 84, 20));
        at("produce2", "Frame4", QRect(32, 53, 83, 20));
        at("Label9_1", "Frame4", QRect(13, 213, 13, 20));
        at("Command1", "Form1", QRect(168, 248, 56, 27));
        at("Command2", "Form1", QRect(168, 328, 56, 27));
        at("Frame5", "Form1", QRect(16, 432, 353, 49));
        at("Text9", "Frame5", QRect(32, 16, 81, 24));
        at("Text10", "Frame5", QRect(256, 16, 81, 24));
    }

    void captionsAreExactSpacesIncluded() {
        QCOMPARE(child<QGroupBox>(*form_, QStringLiteral("Frame1"))->title(),
                 QStringLiteral("请先选择单元平面的户数"));
        QCOMPARE(child<QGroupBox>(*form_, QStringLiteral("Frame3"))->title(),
                 QStringLiteral("    使用面积"));
        QCOMPARE(child<QGroupBox>(*form_, QStringLiteral("Frame4"))->title(),
                 QStringLiteral("   建筑面积 "));
        QCOMPARE(child<QGroupBox>(*form_, QStringLiteral("Frame5"))->title(),
                 QStringLiteral("     总面积") + QString(23, u' ') + QStringLiteral("使用率"));
        QCOMPARE(child<QPushButton>(*form_, QStringLiteral("Command1"))->text(),
                 QStringLiteral("计算"));
        QCOMPARE(child<QPushButton>(*form_, QStringLiteral("Command2"))->text(),
                 QStringLiteral("清除"));
        for (int n = 2; n <= 8; ++n) {
            QCOMPARE(child<QRadioButton>(*form_, QStringLiteral("Option%1").arg(n))->text(),
                     QString::number(n));
        }
        for (int row = 1; row <= 8; ++row) {
            for (int member : {0, 1}) {
                const QString name = QStringLiteral("Label%1_%2").arg(row + 1).arg(member);
                QCOMPARE(child<QLabel>(*form_, name)->text(), QString::number(row));
            }
        }
    }

    void frameBordersStayPutWhateverTheDesktopsFont() {
        // The first row of the frame's top border, right of its caption.
        const auto borderRow = [](QWidget& form) {
            const QImage frame = child(form, QStringLiteral("Frame2"))->grab().toImage();
            const int x = frame.width() - 20;
            for (int y = 1; y < frame.height(); ++y) {
                if (frame.pixel(x, y) != frame.pixel(x, 0)) {
                    return y;
                }
            }
            return -1;
        };
        const int usual = borderRow(*form_);
        QVERIFY(usual > 0);
        const QFont desktops = QApplication::font();
        const QFont large(desktops.family(), 20);
        QApplication::setFont(large);
        const int underLargeFont = borderRow(*buildForm1());
        // Message boxes and menus keep the desktop's font once the window is built.
        const QFont afterBuilding = QApplication::font();
        QApplication::setFont(desktops);
        QCOMPARE(underLargeFont, usual);
        QCOMPARE(afterBuilding, large);
    }

    void framesRunTheirBorderAllRoundAndHideItBehindTheCaption() {
        for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"}) {
            auto* frame = child<QGroupBox>(*form_, QString::fromLatin1(name));
            const QImage image = frame->grab().toImage();
            const int right = image.width() - 1;
            const int bottom = image.height() - 1;
            const QColor backdrop = image.pixelColor(right, 0);
            int line = 0;  // the border's top row, found at the frame's right end
            while (line < bottom && image.pixelColor(right, line) == backdrop) {
                ++line;
            }
            const QColor border = image.pixelColor(right, line);
            QVERIFY2(line > 0 && line < bottom / 2, name);
            for (const QPoint& edge : {QPoint(0, line), QPoint(0, bottom / 2),
                                       QPoint(right / 2, bottom), QPoint(right, bottom / 2)}) {
                QVERIFY2(image.pixelColor(edge) != backdrop, name);
            }
            // Across the caption the top row shows the backdrop and the text, never the line.
            const int textEnd = QFontMetrics(frame->font()).horizontalAdvance(frame->title());
            int dark = 0;
            for (int x = 8; x < textEnd; ++x) {
                QVERIFY2(image.pixelColor(x, line) != border, qPrintable(QString::number(x)));
                dark += image.pixelColor(x, line).lightness() < 128 ? 1 : 0;
            }
            QVERIFY2(dark > 0, name);
        }
    }

    void frameFiveHeadingsStandOverTheirFields() {
        auto* frame = child<QGroupBox>(*form_, QStringLiteral("Frame5"));
        const QFontMetrics metrics(frame->font());
        const QString title = frame->title();
        const int textStart = 7;  // the caption's offset and padding in the frame style
        for (const auto& [heading, field] : {std::pair{QStringLiteral("总面积"), "Text9"},
                                             std::pair{QStringLiteral("使用率"), "Text10"}}) {
            const int left =
                textStart + metrics.horizontalAdvance(title.left(title.indexOf(heading)));
            const int centre = left + metrics.horizontalAdvance(heading) / 2;
            const QRect under = child(*form_, QString::fromLatin1(field))->geometry();
            QVERIFY2(centre > under.left() && centre < under.right(), qPrintable(heading));
        }
    }

    void fontsFollowTheTableWithChineseFacesInstalled() {
        const auto check = [&](const char* name, qreal points, bool bold) {
            const QFont font = child(*form_, QString::fromLatin1(name))->font();
            QCOMPARE(font.pointSizeF(), points);
            QCOMPARE(font.bold(), bold);
            // A face that draws the captions' Chinese, not boxes.
            QVERIFY2(QFontMetrics(font).inFont(QChar(u'积')), name);
        };
        check("texta", 12, false);
        check("Text9", 12, false);
        check("Text10", 12, false);
        check("Text1", 9, false);
        check("produce8", 9, false);
        check("Option5", 9, false);
        check("Label2_0", 12, true);
        check("Command1", 12, true);
        check("Frame1", 10.5, true);
        check("Frame5", 10.5, true);
        QCOMPARE(child(*form_, QStringLiteral("Frame5"))->font().family(), QStringLiteral("黑体"));
        QCOMPARE(child(*form_, QStringLiteral("Frame4"))->font().family(), QStringLiteral("宋体"));
        QVERIFY(QFontInfo(child(*form_, QStringLiteral("Frame5"))->font()).family() !=
                QFontInfo(child(*form_, QStringLiteral("Frame4"))->font()).family());
    }

    void opensWithNoCountChosenAndOnlyTheCoreEntryOpen() {
        for (int n = 2; n <= 8; ++n) {
            QVERIFY(!child<QRadioButton>(*form_, QStringLiteral("Option%1").arg(n))->isChecked());
        }
        auto* core = child<QLineEdit>(*form_, QStringLiteral("texta"));
        QVERIFY(core->isEnabled() && core->text().isEmpty());
        QCOMPARE(shownBackColor(*core, QPalette::Base), systemColor(kWindowBackgroundColor));
        for (int i = 1; i <= 8; ++i) {
            auto* entry = child<QLineEdit>(*form_, QStringLiteral("Text%1").arg(i));
            QVERIFY(!entry->isEnabled() && entry->text().isEmpty());
            QCOMPARE(shownBackColor(*entry, QPalette::Base), systemColor(kMenuBarColor));
            auto* result = child<QLineEdit>(*form_, QStringLiteral("produce%1").arg(i));
            QVERIFY(result->isEnabled() && !result->isReadOnly() && result->text().isEmpty());
            QCOMPARE(shownBackColor(*result, QPalette::Base), systemColor(kScrollBarColor));
        }
    }

    void systemColoursLookDistinct() {
        QVERIFY(systemColor(kScrollBarColor) != systemColor(kMenuBarColor));
        QVERIFY(systemColor(kMenuBarColor) != systemColor(kWindowBackgroundColor));
    }

    void tabPassesOverClosedEntries() {
        showCentred(*form_);
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        // The seven count buttons are one stop, as Qt treats an exclusive group.
        QCOMPARE(tabCycle(*form_),
                 QStringList({"Option2", "texta", "Command1", "Command2", "produce1", "produce3",
                              "produce4", "produce5", "produce6", "produce7", "produce8",
                              "produce2", "Text9", "Text10"}));

        QtFieldModel fields(*form_);
        for (int i = 1; i <= 4; ++i) {
            QVERIFY(fields.setEnabled(entryFor(i), true));
        }
        QCOMPARE(tabCycle(*form_),
                 QStringList({"Option2", "texta", "Command1", "Command2", "Text3", "Text4", "Text1",
                              "Text2", "produce1", "produce3", "produce4", "produce5", "produce6",
                              "produce7", "produce8", "produce2", "Text9", "Text10"}));
    }

    void enterAndEscapePressNeitherButton() {
        showCentred(*form_);
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        for (const char* name : {"Command1", "Command2"}) {
            auto* button = child<QPushButton>(*form_, QString::fromLatin1(name));
            QSignalSpy clicks(button, &QPushButton::clicked);
            button->setFocus();
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(button, key);
            }
            child(*form_, QStringLiteral("texta"))->setFocus();
            QTest::keyClick(child(*form_, QStringLiteral("texta")), Qt::Key_Return);
            QCOMPARE(clicks.count(), 0);
        }
    }

    void fieldModelFailsToFocusADisabledEntry() {
        form_->show();
        QtFieldModel fields(*form_);
        QVERIFY(!fields.setFocus(Field::Text1));
        QVERIFY(fields.setEnabled(Field::Text1, true));
        QVERIFY(fields.setFocus(Field::Text1));
        QVERIFY(fields.setFocus(Field::Option2));
        QVERIFY(!fields.value(Field::Option2).value());
    }

    void fieldModelKeepsEnabledAndColourIndependent() {
        QtFieldModel fields(*form_);
        auto* entry = child<QLineEdit>(*form_, QStringLiteral("Text6"));
        QVERIFY(fields.setBackColor(Field::Text6, kWindowBackgroundColor));
        QVERIFY(!entry->isEnabled());
        QCOMPARE(shownBackColor(*entry, QPalette::Base), systemColor(kWindowBackgroundColor));
        QCOMPARE(entry->property("systemBackColor").toUInt(), kWindowBackgroundColor);
        QVERIFY(fields.setText(Field::Text6, u"12"));
        QCOMPARE(entry->text(), QStringLiteral("12"));
        QVERIFY2(!fields.text(Field::Option3).has_value(), "an option button has no text");
        QVERIFY2(!fields.value(Field::Text6).has_value(), "a text box has no value");
    }

    void fieldModelTakesAMegabyteOfTextWhole() {
        QtFieldModel fields(*form_);
        const std::u16string pasted(1 << 20, u'7');
        QVERIFY(fields.setText(Field::texta, pasted));
        QCOMPARE(fields.text(Field::texta).value().size(), pasted.size());
    }

    void fieldOperationsFailOnceAControlIsGone() {
        QtFieldModel fields(*form_);
        delete child(*form_, QStringLiteral("produce3"));
        QVERIFY(!fields.setText(Field::produce3, u"1"));
        QVERIFY(fields.setText(Field::produce4, u"1"));
    }

    void entriesAndResultsTellScreenReadersWhatTheyAre() {
        QCOMPARE(child(*form_, QStringLiteral("texta"))->accessibleName(),
                 QStringLiteral("核心部分面积"));
        QCOMPARE(child(*form_, QStringLiteral("Text3"))->accessibleName(),
                 QStringLiteral("第3户使用面积"));
        QCOMPARE(child(*form_, QStringLiteral("produce7"))->accessibleName(),
                 QStringLiteral("第7户建筑面积"));
        QCOMPARE(child(*form_, QStringLiteral("Text9"))->accessibleName(),
                 QStringLiteral("总面积"));
        QVERIFY(child(*form_, QStringLiteral("Text10"))->accessibleName().startsWith(u"使用率"));
    }

    void screenReadersSeeAWindowNamedByItsCaption() {
        const QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form_.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), form_->windowTitle());
        // Only the top-level form is a window; a frame inside it stays a group.
        QCOMPARE(
            QAccessible::queryAccessibleInterface(child(*form_, QStringLiteral("Frame1")))->role(),
            QAccessible::Grouping);
    }

    void frameNamesReadWithoutTheSpacesThatPlaceTheirCaptions() {
        const auto spoken = [&](const char* name) {
            return QAccessible::queryAccessibleInterface(child(*form_, QString::fromLatin1(name)))
                ->text(QAccessible::Name);
        };
        QCOMPARE(spoken("Frame3"), QStringLiteral("使用面积"));
        QCOMPARE(spoken("Frame4"), QStringLiteral("建筑面积"));
        QCOMPARE(spoken("Frame5"), QStringLiteral("总面积 使用率"));
        QCOMPARE(spoken("Frame1"), QStringLiteral("请先选择单元平面的户数"));
    }

    void warningButtonIsChineseEvenWithoutQtTranslations() {
        // No translator is installed here, as on systems whose Qt translations lack the button.
        QStringList buttons;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &poll, [&buttons] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                for (const QAbstractButton* button : box->buttons()) {
                    buttons << button->text();
                }
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll.start(10);
        QtMessageService(form_.get()).show(u"请输入数字！！", kWarningStyle, u"");
        QCOMPARE(buttons, QStringList{QStringLiteral("确定")});
    }

    void bannerShowsAtNaturalSizeFromTheCorner() {
        auto* picture = child<QLabel>(*form_, QStringLiteral("Picture1"));
        QCOMPARE(picture->sizeHint(), QSize(350, 50));  // the banner's own size
        QVERIFY(!picture->hasScaledContents());
        QCOMPARE(picture->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    }

  private:
    std::unique_ptr<QWidget> form_;
};

QTEST_MAIN(FormTest)
#include "form_test.moc"
