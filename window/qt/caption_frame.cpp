#include "caption_frame.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace quotara {
namespace {

// Pixels, as everywhere in the window. The line runs this far below the frame's top, through
// the middle of the caption; the caption starts this far from the left edge, with a pixel of
// backdrop either side of its text, and is raised a little because CJK faces carry a tall line
// box that would otherwise reach into the controls below.
constexpr int kLineTop = 7;
constexpr int kCaptionLeft = 6;
constexpr int kCaptionPadding = 1;
constexpr int kCaptionTop = -3;

// A ring one pixel wide around `r`: the bottom and right edges first, the top and left over
// them.
void etch(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
}

}  // namespace

CaptionFrame::CaptionFrame(const QString& caption, QColor backdrop, QWidget* parent)
    : QGroupBox(caption, parent), backdrop_(backdrop) {
    // The controls inside shade their edges from the toolkit's window colour, not from the grey
    // the window stands in: a radio button's ring stays as light as on any other Qt window.
    QPalette inside = palette();
    const QColor window = QApplication::palette().color(QPalette::Window);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        inside.setColor(group, QPalette::Window, window);
    }
    setPalette(inside);
}

// Drawn here rather than by a style sheet, which would restyle every control inside the frame
// and make starting the window noticeably slower.
void CaptionFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // A groove two pixels wide in the light colour and its lighter shade, etched as the classic
    // look draws it.
    const QColor shade = palette().color(QPalette::Light);
    const QRect line = rect().adjusted(0, kLineTop, 0, 0);
    etch(painter, line, shade, shade.lighter());
    etch(painter, line.adjusted(1, 1, -1, -1), shade.lighter(), shade);

    // Centred in room for one more space and a pixel less than a line, which puts the text on
    // the pixel where Qt's frame styles put it, at any scale.
    const QSize room = fontMetrics().size(Qt::TextShowMnemonic, title() + u' ');
    const QRect text(QPoint(kCaptionLeft + kCaptionPadding, kCaptionTop), room - QSize(0, 1));
    painter.fillRect(text.adjusted(-kCaptionPadding, 0, kCaptionPadding, 0), backdrop_);
    style()->drawItemText(&painter, text, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), title(), QPalette::WindowText);
}

}  // namespace quotara
