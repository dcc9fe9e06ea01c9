// The running window as a user drives it, with real mouse clicks, key presses and message
// boxes.
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "appearance.h"
#include "form_builder.h"
#include "startup.h"
#include "window_controls.h"

using namespace quotara;

namespace {

struct SeenBox {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;  // their texts: the box is gone once answered
    QAccessible::Role role = QAccessible::NoRole;
    QString spokenName;  // what a screen reader announces the box as
    bool seen = false;
};

// Waits for the next modal message box, notes what it shows and presses its OK button.
void answerNextBox(SeenBox& seen) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        QStringList buttons;
        for (const QAbstractButton* button : box->buttons()) {
            buttons << button->text();
        }
        const QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(box);
        seen = {box->text(), box->windowTitle(), box->icon(),
                buttons,     spoken->role(),     spoken->text(QAccessible::Name),
                true};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        poll->deleteLater();
    });
    poll->start(10);
}

// Answers every message box that opens while it lives, and counts them.
class BoxCounter {
  public:
    BoxCounter() {
        QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++answered_;
                box->button(QMessageBox::Ok)->click();
            }
        });
        poll_.start(10);
    }
    [[nodiscard]] int answered() const { return answered_; }

  private:
    QTimer poll_;
    int answered_ = 0;
};

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { installDisplaySettings(); }

  private slots:
    void initTestCase() { installChineseResources(*qApp); }

    void init() {
        window_ = std::make_unique<MainWindow>(u'.');
        showCentred(window_->form());
        QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
    }
    void cleanup() { window_.reset(); }

    void startsWithTheFocusOnTheCountButtonsAndNoCountChosen() {
        QCOMPARE(QApplication::focusWidget(), widget("Option2"));
        QVERIFY(!radio("Option2")->isChecked());
    }

    void toolkitTextsAreChineseAndTheWindowHasItsIcon() {
        const std::unique_ptr<QMenu> menu(entry("texta")->createStandardContextMenu());
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            texts << action->text();
        }
        QVERIFY2(texts.join(u' ').contains(QStringLiteral("粘贴")), qPrintable(texts.join(u' ')));
        // The icon comes once the window has painted.
        QTRY_VERIFY(window_->form().windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(window_->form().windowIcon().availableSizes().contains(QSize(32, 32)));
    }

    void wholeSessionWithMouseAndKeyboard() {
        QTest::mouseClick(radio("Option4"), Qt::LeftButton);
        QVERIFY(entry("Text4")->isEnabled());
        QVERIFY(!entry("Text5")->isEnabled());
        type("texta", "30");
        type("Text1", "60");
        type("Text2", "70");
        type("Text3", "80");
        type("Text4", "90");
        click("Command1");
        QCOMPARE(entry("produce1")->text(), QStringLiteral("66"));
        QCOMPARE(entry("produce2")->text(), QStringLiteral("77"));
        QCOMPARE(entry("produce3")->text(), QStringLiteral("88"));
        QCOMPARE(entry("produce4")->text(), QStringLiteral("99"));
        QCOMPARE(entry("Text9")->text(), QStringLiteral("330"));
        QCOMPARE(entry("Text10")->text(), QStringLiteral("90.90909"));

        QTest::mouseClick(radio("Option3"), Qt::LeftButton);
        QVERIFY(!entry("Text4")->isEnabled());
        QCOMPARE(entry("Text4")->text(), QStringLiteral("90"));

        click("Command2");
        for (const char* name :
             {"texta", "Text1", "Text4", "produce1", "produce4", "Text9", "Text10"}) {
            QVERIFY2(entry(name)->text().isEmpty(), name);
        }
        QVERIFY(radio("Option3")->isChecked());
    }

    void arrowKeysChooseACountLikeAClick() {
        QTest::mouseClick(radio("Option5"), Qt::LeftButton);
        QTest::keyClick(radio("Option5"), Qt::Key_Right);
        QVERIFY(radio("Option6")->isChecked());
        QVERIFY(entry("Text6")->isEnabled());
    }

    void arrowKeysChooseEvenBeforeAnyCountIsChosen() {
        QCOMPARE(QApplication::focusWidget(), widget("Option2"));
        QTest::keyClick(widget("Option2"), Qt::Key_Right);
        QVERIFY(radio("Option3")->isChecked());
        QCOMPARE(QApplication::focusWidget(), widget("Option3"));
        QVERIFY(entry("Text3")->isEnabled());
        QTest::keyClick(widget("Option3"), Qt::Key_Left);
        QVERIFY(radio("Option2")->isChecked());
        QVERIFY(!entry("Text3")->isEnabled());
        // The row has no buttons above or below: Up and Down step along it.
        QTest::keyClick(widget("Option2"), Qt::Key_Down);
        QVERIFY(radio("Option3")->isChecked());
        QTest::keyClick(widget("Option3"), Qt::Key_Up);
        QVERIFY(radio("Option2")->isChecked());
        QTest::keyClick(widget("Option2"), Qt::Key_Left);
        QVERIFY2(radio("Option2")->isChecked(), "the first button stays chosen at the row's end");
    }

    void everyWayOfChoosingACountRunsItsHandlerOnce() {
        // Without Text8 every count handler stops there and says so in a box: one box per run.
        delete widget("Text8");
        BoxCounter boxes;
        QTest::mouseClick(radio("Option3"), Qt::LeftButton);
        QCOMPARE(boxes.answered(), 1);
        QTest::mouseClick(radio("Option3"), Qt::LeftButton);
        QCOMPARE(boxes.answered(), 1);  // the count in effect is not chosen again

        // Keys go to the active window only.
        QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
        widget("Option3")->setFocus();
        QTest::keyClick(widget("Option3"), Qt::Key_Right);
        QVERIFY(radio("Option4")->isChecked());
        QCOMPARE(boxes.answered(), 2);

        QVERIFY(QTest::qWaitForWindowActive(&window_->form()));
        widget("Option6")->setFocus();
        QTest::keyClick(widget("Option6"), Qt::Key_Space);
        QVERIFY(radio("Option6")->isChecked());
        QCOMPARE(boxes.answered(), 3);

        // The action a screen reader invokes on a radio button.
        QAccessibleInterface* option7 = QAccessible::queryAccessibleInterface(radio("Option7"));
        QVERIFY(option7->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::toggleAction()));
        option7->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(radio("Option7")->isChecked());
        QCOMPARE(boxes.answered(), 4);
        QVERIFY(entry("Text7")->isEnabled());
    }

    void aNonNumberEntryWarnsThenPutsTheFocusOnIt() {
        QTest::mouseClick(radio("Option2"), Qt::LeftButton);
        type("texta", "25");
        type("Text1", "40");
        type("Text2", "6O");
        SeenBox box;
        answerNextBox(box);
        click("Command1");
        QVERIFY(box.seen);
        QCOMPARE(box.text, QStringLiteral("请输入数字！！"));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons.size(), 1);
        QCOMPARE(box.buttons.first(), QStringLiteral("确定"));
        QVERIFY(box.title.trimmed().isEmpty());
        QCOMPARE(box.role, QAccessible::AlertMessage);
        QCOMPARE(box.spokenName, QStringLiteral("请输入数字！！"));
        QTRY_COMPARE(QApplication::focusWidget(), widget("Text2"));
        QCOMPARE(entry("Text2")->text(), QStringLiteral("6O"));
        QVERIFY(entry("produce1")->text().isEmpty());
    }

    void withoutACountTheWarningPointsAtTheCountButtons() {
        type("texta", "30");
        SeenBox box;
        answerNextBox(box);
        click("Command1");
        QCOMPARE(box.text, QStringLiteral("请输入数字！！"));
        QTRY_COMPARE(QApplication::focusWidget(), widget("Option2"));
        QVERIFY(!radio("Option2")->isChecked());
    }

    void anArithmeticFaultIsExplainedAfterTheCompletedResults() {
        QTest::mouseClick(radio("Option2"), Qt::LeftButton);
        type("texta", "-100");
        type("Text1", "40");
        type("Text2", "60");
        SeenBox box;
        answerNextBox(box);
        click("Command1");
        QVERIFY(box.text.contains(QStringLiteral("除数为零")));
        QCOMPARE(entry("Text9")->text(), QStringLiteral("0"));
        QVERIFY(entry("Text10")->text().isEmpty());
    }

    void aFailedFieldOperationIsToldInChineseAndTheWindowCarriesOn() {
        QTest::mouseClick(radio("Option3"), Qt::LeftButton);
        type("texta", "21");
        type("Text1", "60");
        type("Text2", "70");
        type("Text3", "80");
        delete widget("produce2");
        SeenBox box;
        answerNextBox(box);
        click("Command1");
        QVERIFY(box.seen);
        QVERIFY(box.text.contains(QStringLiteral("produce2")));
        QCOMPARE(entry("produce1")->text(), QStringLiteral("66"));
        QCOMPARE(entry("Text3")->text(), QStringLiteral("80"));
        QTest::mouseClick(radio("Option4"), Qt::LeftButton);
        QVERIFY(entry("Text4")->isEnabled());
    }

    void clickingTheBannerALabelOrAFrameChangesNothing() {
        type("texta", "5");
        QTest::mouseClick(widget("Picture1"), Qt::LeftButton);
        QTest::mouseClick(widget("Label3_1"), Qt::LeftButton);
        QTest::mouseClick(widget("Frame4"), Qt::LeftButton);
        QCOMPARE(entry("texta")->text(), QStringLiteral("5"));
        QVERIFY(entry("produce1")->text().isEmpty());
    }

    void closingTheWindowEndsTheEventLoopWithStatusZero() {
        QTimer::singleShot(0, &window_->form(), [this] { window_->form().close(); });
        QCOMPARE(QApplication::exec(), 0);
    }

  private:
    QWidget* widget(const char* name) { return control(window_->form(), name); }
    QLineEdit* entry(const char* name) { return control<QLineEdit>(window_->form(), name); }
    QRadioButton* radio(const char* name) { return control<QRadioButton>(window_->form(), name); }
    void type(const char* name, const char* text) {
        QTest::mouseClick(widget(name), Qt::LeftButton);
        QTest::keyClicks(widget(name), QString::fromLatin1(text));
    }
    void click(const char* name) { QTest::mouseClick(widget(name), Qt::LeftButton); }

    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
