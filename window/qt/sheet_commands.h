// The calculation sheet's way out of the window: 复制计算表, 打印计算表… and 导出 PDF…, in a
// context menu on the window (not on the entries, which keep their own) and as shortcuts that
// work wherever the focus is in the window.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "calculation_sheet.h"
#include "sheet_printer.h"

namespace quotara {

class SheetMenu final : public QObject {
    Q_OBJECT

  public:
    // Adds the three actions to `form`. The sheet is read from the entries through `context`,
    // exactly as 计算 reads them, and the window is left as it was.
    SheetMenu(QWidget& form, const HandlerContext& context);

    // Puts the sheet on the clipboard as tab-separated text and as HTML.
    void copy();
    // Opens the print preview of the sheet.
    void print();
    // Asks where to save the sheet as a PDF and writes it there.
    void exportPdf();
    // Writes the sheet as a PDF at `path`, telling the user if it cannot. False when nothing
    // was written.
    bool exportPdfTo(const QString& path);

  private:
    void showMenu(const QPoint& position);
    // The sheet of the entries as they stand; none when reading them stopped, and the user
    // has been told why.
    [[nodiscard]] std::optional<CalculationSheet> readSheet();
    bool writePdf(const CalculationSheet& sheet, const QString& path);
    void reactivate();
    // The print plugin; null when it cannot be loaded, and the user has been told.
    [[nodiscard]] SheetPrinter* printer();

    QPointer<QWidget> form_;
    HandlerContext context_;
};

}  // namespace quotara
