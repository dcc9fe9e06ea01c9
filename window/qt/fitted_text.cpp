#include "fitted_text.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include "text_fitting.h"

namespace quotara {
namespace {

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
        const auto widthAt = [&](double points) {
            QFont sized = designed;
            sized.setPointSizeF(points);
            return QFontMetricsF(sized, &field).horizontalAdvance(field.text());
        };
        const double points = fittedPoints(designed.pointSizeF(), textRoom(field), widthAt);
        QFont font = designed;
        if (points != designed.pointSizeF()) {
            font.setPointSizeF(points);
        }
        if (font != field.font()) {
            field.setFont(font);
        }
    });
}

}  // namespace quotara
