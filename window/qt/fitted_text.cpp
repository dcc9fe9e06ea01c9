#include "fitted_text.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace quotara {
namespace {

constexpr qreal kSmallestPoints = 6;
constexpr qreal kPointStep = 0.25;

// The width a line edit's text can take: inside its frame and Qt's own 2-pixel margins.
qreal textRoom(const QLineEdit& field) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    constexpr int kMargin = 2;
    return contents.width() - 2 * kMargin;
}

}  // namespace

void fitTextToWidth(QLineEdit& field) {
    const QFont designed = field.font();
    QObject::connect(&field, &QLineEdit::textChanged, &field, [&field, designed] {
        const qreal room = textRoom(field);
        QFont font = designed;
        const auto width = [&] {
            return QFontMetricsF(font, &field).horizontalAdvance(field.text());
        };
        if (width() > room) {
            // Proportional first, then down in small steps: hinting keeps widths from scaling
            // exactly with the size.
            font.setPointSizeF(std::max(kSmallestPoints, designed.pointSizeF() * room / width()));
            while (width() > room && font.pointSizeF() > kSmallestPoints) {
                font.setPointSizeF(std::max(kSmallestPoints, font.pointSizeF() - kPointStep));
            }
        }
        if (font != field.font()) {
            field.setFont(font);
        }
    });
}

}  // namespace quotara
