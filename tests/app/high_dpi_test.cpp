// The window on a high-DPI screen, scaled by the factor in QUOTARA_SCALE_FACTOR: its logical
// size, no caption or number clipped by its control, the total-area headings over their fields.
// The desktop tests run it on a real X server at 1.25, 1.5 and 2 (QT_SCALE_FACTOR), and at
// 1.5 from the desktop's font dpi, as KDE and GNOME set it (Xft.dpi 144).
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

#include "appearance.h"
#include "form_builder.h"
#include "startup.h"

using namespace quotara;

namespace {

// The widest results: seven significant digits with sign and exponent, or with sign and leading
// zeros, thirteen characters, every digit among them.
const QStringList kLongestResults =
    QStringLiteral(
        "-1.111111E-38 -2.222222E+37 -3.333333E-38 -4.444444E+37 -5.555555E-38 "
        "-6.666666E+37 -7.777777E-38 -8.888888E+37 -9.999999E-38 -0.0008888889")
        .split(u' ');

// How many pixel columns, from the first to the last, have ink: pixels unlike the background's.
int inkWidth(const QImage& image, const QImage& background) {
    int first = -1;
    int last = -2;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (std::abs(qGray(image.pixel(x, y)) - qGray(background.pixel(x, y))) > 32) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return last - first + 1;
}

// Whether the field, as the user sees it once a result is written, shows the text's ink whole:
// a line edit too narrow for its text scrolls it, cutting off its start. The whole ink is the
// text drawn in the field's font and colours with nothing around it to cut it short.
bool showsWhole(QLineEdit& field, const QString& text) {
    field.setText(text);
    const QImage shown = field.grab().toImage();
    const qreal ratio = field.devicePixelRatioF();
    const QSize room(QFontMetrics(field.font()).horizontalAdvance(text) * 2, field.height());
    QImage drawn(room * ratio, QImage::Format_RGB32);
    drawn.setDevicePixelRatio(ratio);
    drawn.fill(field.palette().color(QPalette::Base));
    const QImage paper = drawn;
    QPainter painter(&drawn);
    painter.setFont(field.font());
    painter.setPen(field.palette().color(QPalette::Text));
    painter.drawText(QRect(QPoint(0, 0), room), Qt::AlignCenter, text);
    painter.end();
    field.clear();
    // A glyph drawn at a fraction of a pixel may gain or lose a faint column.
    return inkWidth(shown, field.grab().toImage()) >= inkWidth(drawn, paper) - 1;
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

  public:
    static void initMain() { installDisplaySettings(); }

  private slots:
    void initTestCase() {
        installChineseResources(*qApp);
        window_ = std::make_unique<MainWindow>(u'.');
        showCentred(window_->form());
        QVERIFY(QTest::qWaitForWindowExposed(&window_->form()));
        factor_ = qEnvironmentVariableIsSet("QUOTARA_SCALE_FACTOR")
                      ? qEnvironmentVariable("QUOTARA_SCALE_FACTOR").toDouble()
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

    void theLongestNumberIsShownWholeInEveryResultField() {
        QStringList clipped;
        for (const char* name : {"produce1", "produce2", "produce3", "produce4", "produce5",
                                 "produce6", "produce7", "produce8", "Text9", "Text10"}) {
            auto* field = window_->form().findChild<QLineEdit*>(QString::fromLatin1(name));
            QVERIFY2(field != nullptr, name);
            for (const QString& text : kLongestResults) {
                if (!showsWhole(*field, text)) {
                    clipped << QStringLiteral("%1 \"%2\"").arg(field->objectName(), text);
                }
            }
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));
    }

    void anOrdinaryResultKeepsItsFontSize() {
        auto* field = window_->form().findChild<QLineEdit*>(QStringLiteral("Text10"));
        const qreal designed = field->font().pointSizeF();
        field->setText(kLongestResults.first());
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
