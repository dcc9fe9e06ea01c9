// The few places where Qt 5.15 and Qt 6 differ in what the window needs. Everything else is
// written once, for both.
#pragma once

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QString>
#include <QWidget>

namespace quotara::qt_compat {

// The length QString's factory functions take: int in Qt 5.
#if QT_VERSION_MAJOR >= 6
using StringSize = qsizetype;
#else
using StringSize = int;
#endif

// Where Qt's own translations are installed.
[[nodiscard]] inline QString translationsPath() {
#if QT_VERSION_MAJOR >= 6
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

// Scales windows, pixmaps and icons by the screen's factor, as Qt 6 always does. Qt 5 does it
// only when asked before the application object exists; otherwise its fonts follow a high-DPI
// screen while every size and position stays in device pixels.
inline void scaleForHighDpi() {
#if QT_VERSION_MAJOR < 6
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
}

// Asks for the window to become active, where the platform can do it. Wayland leaves
// activation to the compositor: Qt 5's plugin there does nothing but print a warning.
inline void activate(QWidget& window) {
#if QT_VERSION_MAJOR < 6
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        return;
    }
#endif
    window.activateWindow();
}

}  // namespace quotara::qt_compat
