// Printing and PDF export of the calculation sheet. They live in a plugin loaded on first use,
// so that the window starts without loading Qt Print Support.
#pragma once

#include <QFont>
#include <QString>
#include <QtPlugin>

class QWidget;

namespace quotara {

class SheetPrinter {
  public:
    virtual ~SheetPrinter() = default;
    // Shows the print preview of the sheet's HTML, set in `font` on A4 portrait, over `parent`,
    // and prints from it; returns once the preview is closed.
    virtual void preview(QWidget* parent, const QString& html, const QFont& font) = 0;
    // Writes the sheet as a PDF with its fonts embedded; false when the file cannot be written.
    [[nodiscard]] virtual bool writePdf(const QString& html, const QFont& font,
                                        const QString& path) = 0;
};

// Loads the plugin (once: later calls get the same instance). Null when it cannot be loaded,
// with Qt's reason in `error`.
[[nodiscard]] SheetPrinter* loadSheetPrinter(QString& error);

}  // namespace quotara

#define QUOTARA_SHEET_PRINTER_IID "cn.quotara.Quotara.SheetPrinter/1.0"
Q_DECLARE_INTERFACE(quotara::SheetPrinter, QUOTARA_SHEET_PRINTER_IID)
