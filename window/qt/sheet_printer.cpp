#include "sheet_printer.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace quotara {

SheetPrinter* loadSheetPrinter(QString& error) {
    // Where the package installs it, relative to the program; then Qt's library paths, which
    // hold the program's own folder (the build tree) and any folder a test adds.
    const QStringList candidates = {
        QCoreApplication::applicationDirPath() +
            QStringLiteral("/" QUOTARA_PLUGIN_FROM_PROGRAM "/quotara_print"),
        QStringLiteral("quotara_print"),
    };
    QPluginLoader loader;
    for (const QString& candidate : candidates) {
        loader.setFileName(candidate);
        if (auto* printer = qobject_cast<SheetPrinter*>(loader.instance())) {
            return printer;
        }
    }
    error = loader.errorString();
    return nullptr;
}

}  // namespace quotara
