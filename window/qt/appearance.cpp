#include "appearance.h"

#include <QApplication>
#include <QWidget>

#include "field_model.h"
#include "qt_compat.h"

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
    QFont font(wanted.face == FontFace::song ? QStringLiteral("宋体") : QStringLiteral("黑体"));
    font.setStyleHint(wanted.face == FontFace::song ? QFont::Serif : QFont::SansSerif);
    font.setPointSizeF(wanted.decipoints / 10.0);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    return font;
}

// Frames as classic Windows draws them: an etched line around the frame with the caption
// set into its top edge, so that the frame's children stand where their twips put them.
// Qt's own styles put the caption above the line and would push it under the children.
QString frameStyleSheet(std::uint32_t backColor) {
    // The caption's own background hides the line behind it. It is raised a little because
    // CJK faces carry a tall line box, which would otherwise reach into the controls below.
    // Pixels, as everywhere in the window: a style sheet's em is the application's default
    // font, which differs between desktops and between Qt 5 and Qt 6.
    return QStringLiteral(
               "QGroupBox { border: 2px groove palette(light); margin-top: 7px; padding: 0; }"
               "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
               " left: 6px; top: -3px; padding: 0 1px; background-color: %1; }")
        .arg(systemColor(backColor).name());
}

void installChineseFontSubstitutes() {
    QFont::insertSubstitutions(
        QStringLiteral("宋体"),
        {QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
         QStringLiteral("Source Han Serif SC"), QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(
        QStringLiteral("黑体"),
        {QStringLiteral("SimHei"), QStringLiteral("Noto Sans Mono CJK SC"),
         QStringLiteral("Source Han Sans SC"), QStringLiteral("WenQuanYi Zen Hei")});
}

}  // namespace quotara
