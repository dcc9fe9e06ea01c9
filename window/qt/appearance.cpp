#include "appearance.h"

#include <QApplication>
#include <QWidget>

#include "field_model.h"
#include "font_faces.h"
#include "qt_compat.h"
#include "qt_text.h"

namespace quotara {

void installDisplaySettings() {
    qt_compat::scaleForHighDpi();
    // Qt 6's default; Qt 5 would round 1.5 up to 2 and draw the fixed-size window too large.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
    // The window's sizes are pixels at 96 dpi, as the table's twips are; its fonts must be too,
    // whatever dpi the platform reports (Qt 5 takes 100 from Xvfb and offscreen, macOS 72).
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
}

QColor systemColor(std::uint32_t code) {
    const QPalette palette = QApplication::palette();
    switch (code) {
        case kScrollBarColor:
            return palette.color(QPalette::Active, QPalette::Midlight);
        case kMenuBarColor:
            return palette.color(QPalette::Active, QPalette::Window);
        case kWindowBackgroundColor:
        default:
            return palette.color(QPalette::Active, QPalette::Base);
    }
}

void applySystemColor(QWidget& widget, QPalette::ColorRole role, std::uint32_t code) {
    QPalette palette = widget.palette();
    const QColor color = systemColor(code);
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, role, color);
    }
    widget.setPalette(palette);
    widget.setProperty("systemBackColor", QVariant::fromValue(code));
}

QFont fontFor(const FontSpec& wanted) {
    QFont font(toQString(faceName(wanted.face)));
    font.setStyleHint(wanted.face == FontFace::song ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(wanted.decipoints / 10.0);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    return font;
}

void installChineseFontSubstitutes() {
    for (const FontFace face : {FontFace::song, FontFace::hei}) {
        QStringList substitutes;
        for (const std::string_view name : fallbackFaces(face)) {
            substitutes.append(toQString(name));
        }
        QFont::insertSubstitutions(toQString(faceName(face)), substitutes);
    }
}

}  // namespace quotara
