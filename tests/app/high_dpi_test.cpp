// The window at the scale factor in QT_SCALE_FACTOR, as on a high-DPI screen: its logical size,
// no caption or number clipped by its control, the total-area headings over their fields.
// The desktop tests run it on a real X server at 1.25, 1.5 and 2.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionFrame>
#include <QtTest>

#include "field_model.h"
#include "form_builder.h"
#include "number_text.h"
#include "qt_text.h"
#include "startup.h"

using namespace quotara;

namespace {

// Where the text of a line edit can stand: inside its frame and Qt's fixed 2-pixel margins.
QRectF lineEditTextRect(const QLineEdit& edit) {
    QStyleOptionFrame option;
    option.initFrom(&edit);
    option.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit);
    const QRect contents =
        edit.style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit);
    constexpr int kHorizontalMargin = 2;  // QLineEdit's own, between its frame and its text
    return QRectF(contents).adjusted(kHorizontalMargin, 0, -kHorizontalMargin, 0);
}

// The widest texts a result shows: seven significant digits with sign and exponent, or with
// sign and leading zeros, in every digit.
QStringList longestResults() {
    QStringList texts;
    for (int digit = 1; digit <= 9; ++digit) {
        const float mantissa = -static_cast<float>(digit) * 1.1111111f;
        for (const float value : {mantissa * 1e-38f, mantissa * 1e37f, mantissa * 1e-4f}) {
            texts << toQString(singleToText(value, u'.'));
        }
    }
    return texts;
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        installChineseResources(*qApp);
        window_ = std::make_unique<MainWindow>(u'.');
        showCentred(window_->form());
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form()));
        factor_ = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                      ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                      : 1.0;
        qInfo("scale factor %g, device pixel ratio %g", factor_,
              window_->form().devicePixelRatioF());
    }
    void cleanupTestCase() { window_.reset(); }

    void keepsItsLogicalSizeAndScalesItsPixels() {
        QWidget& form = window_->form();
        QCOMPARE(form.size(), QSize(389, 494));
        QCOMPARE(form.devicePixelRatioF(), factor_);
        const QPixmap shot = form.grab();
        QCOMPARE(shot.size(), QSize(qRound(389 * factor_), qRound(494 * factor_)));
    }

    void noCaptionIsClipped() {
        const QWidget& form = window_->form();
        QStringList clipped;
        const auto fits = [&clipped](const QWidget& control, const QString& text, QRectF room,
                                     bool checkHeight) {
            const QFontMetricsF metrics(control.font(), &control);
            const QSizeF ink(metrics.horizontalAdvance(text),
                             metrics.tightBoundingRect(text).height());
            if (ink.width() > room.width() || (checkHeight && ink.height() > room.height())) {
                clipped
                    << describe(control, text, ink) +
                           QStringLiteral(" in room %1x%2").arg(room.width()).arg(room.height());
            }
        };
        for (const QRadioButton* option : form.findChildren<QRadioButton*>()) {
            QStyleOptionButton style;
            style.initFrom(option);
            fits(*option, option->text(),
                 option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option),
                 true);
        }
        for (const QPushButton* button : form.findChildren<QPushButton*>()) {
            QStyleOptionButton style;
            style.initFrom(button);
            fits(*button, button->text(),
                 button->style()->subElementRect(QStyle::SE_PushButtonContents, &style, button),
                 true);
        }
        for (const QLabel* label : form.findChildren<QLabel*>()) {
            if (!label->text().isEmpty()) {  // not the banner
                fits(*label, label->text(), label->contentsRect(), true);
            }
        }
        for (const QGroupBox* frame : form.findChildren<QGroupBox*>()) {
            // The caption stands in the top border, from its left offset to the frame's end.
            fits(*frame, frame->title(), QRectF(0, 0, frame->width() - kCaptionLeft, 0), false);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    void theLongestNumberFitsEveryResultField() {
        QStringList clipped;
        for (QLineEdit* field : window_->form().findChildren<QLineEdit*>()) {
            const std::optional<Field> role = fieldNamed(field->objectName().toStdString());
            if (!role || !isResultField(*role)) {
                continue;  // an entry: it holds what the user types, scrolling as they type
            }
            const QRectF room = lineEditTextRect(*field);
            for (const QString& text : longestResults()) {
                field->setText(text);
                const QFontMetricsF metrics(field->font(), field);
                const QSizeF ink(metrics.horizontalAdvance(text), metrics.height());
                if (ink.width() > room.width() || ink.height() > room.height()) {
                    clipped << describe(*field, text, ink) + QStringLiteral(" in room %1x%2")
                                                                 .arg(room.width())
                                                                 .arg(room.height());
                    break;
                }
            }
            field->clear();
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    void anOrdinaryResultKeepsItsFontSize() {
        auto* field = window_->form().findChild<QLineEdit*>(QStringLiteral("Text10"));
        const qreal designed = field->font().pointSizeF();
        field->setText(longestResults().first());
        QVERIFY(field->font().pointSizeF() < designed);
        field->setText(QStringLiteral("90.90909"));
        QCOMPARE(field->font().pointSizeF(), designed);
        field->clear();
    }

    void totalAreaHeadingsStandOverTheirFields() {
        auto* frame = window_->form().findChild<QGroupBox*>(QStringLiteral("Frame5"));
        const QFontMetricsF metrics(frame->font(), frame);
        const QString title = frame->title();
        for (const auto& [heading, field] : {std::pair{QStringLiteral("总面积"), "Text9"},
                                             std::pair{QStringLiteral("使用率"), "Text10"}}) {
            const qreal left =
                kCaptionLeft + metrics.horizontalAdvance(title.left(title.indexOf(heading)));
            const qreal centre = left + metrics.horizontalAdvance(heading) / 2;
            const QRect under = frame->findChild<QWidget*>(QString::fromLatin1(field))->geometry();
            QVERIFY2(centre > under.left() && centre < under.right(),
                     qPrintable(QStringLiteral("%1 centred at %2 over %3..%4")
                                    .arg(heading)
                                    .arg(centre)
                                    .arg(under.left())
                                    .arg(under.right())));
        }
    }

  private:
    // Where the frame style sets a caption's text: its left offset and padding.
    static constexpr qreal kCaptionLeft = 7;

    static QString describe(const QWidget& widget, const QString& text, QSizeF needed) {
        return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
            .arg(widget.objectName(), text)
            .arg(needed.width())
            .arg(needed.height())
            .arg(widget.width())
            .arg(widget.height());
    }

    std::unique_ptr<MainWindow> window_;
    double factor_ = 1.0;
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
