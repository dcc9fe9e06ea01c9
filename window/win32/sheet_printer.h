// The calculation sheet drawn with GDI in the window's Song face: on a printer's page, or into
// any other device context (an enhanced metafile in the tests).
#pragma once

#include <windows.h>

#include "calculation_sheet.h"

namespace quotara {

// Draws the title, date, program, the table and its fault line from the top-left corner of the
// page less 20 mm margins. `dc` is a device of `dpi` dots per inch.
void drawSheet(HDC dc, const CalculationSheet& sheet, int dpi);

// Asks for a printer in the system's print dialog, owned by `owner`, and prints the sheet on one
// page. False when it could not be printed; true when it was, or the user cancelled.
[[nodiscard]] bool printSheet(HWND owner, const CalculationSheet& sheet);

}  // namespace quotara
