#include "sheet_printer.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <string>

#include "appearance.h"
#include "release.h"
#include "win32_text.h"

namespace quotara {
namespace {

constexpr FontSpec kTitleFont{FontFace::song, 160, true};
constexpr FontSpec kHeadingFont{FontFace::song, 120, true};

class SelectedFont {
  public:
    SelectedFont(HDC dc, const FontSpec& font, int dpi)
        : dc_(dc), font_(createFont(font, dpi)), before_(SelectObject(dc, font_)) {}
    ~SelectedFont() {
        SelectObject(dc_, before_);
        DeleteObject(font_);
    }
    SelectedFont(const SelectedFont&) = delete;
    SelectedFont& operator=(const SelectedFont&) = delete;

  private:
    HDC dc_;
    HFONT font_;
    HGDIOBJ before_;
};

int lineHeight(HDC dc) {
    TEXTMETRICW metric{};
    GetTextMetricsW(dc, &metric);
    return metric.tmHeight + metric.tmExternalLeading;
}

void line(HDC dc, int x, int& y, std::u16string_view text) {
    const std::wstring wide = toWide(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    y += lineHeight(dc) * 3 / 2;
}

// One cell's text, left-aligned or, for numbers, right-aligned within its borders.
void cell(HDC dc, const RECT& box, std::u16string_view text, bool number) {
    std::wstring wide = toWide(text);
    RECT inside{box.left + 4, box.top, box.right - 4, box.bottom};
    DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &inside,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (number ? DT_RIGHT : DT_LEFT));
}

}  // namespace

void drawSheet(HDC dc, const CalculationSheet& sheet, int dpi) {
    const int margin = MulDiv(20, dpi * 10, 254);  // 20 mm
    const int width = GetDeviceCaps(dc, HORZRES) > 0
                          ? std::min(GetDeviceCaps(dc, HORZRES) - 2 * margin, dpi * 6)
                          : dpi * 6;
    SetBkMode(dc, TRANSPARENT);
    int y = margin;
    {
        const SelectedFont title(dc, kTitleFont, dpi);
        line(dc, margin, y, kSheetTitle);
    }
    const SelectedFont body(dc, kForm1.font, dpi);
    line(dc, margin, y, sheet.dateTime);
    line(dc, margin, y, kNameAndVersion);

    const SheetTable table = sheetTable(sheet);
    const int rowHeight = lineHeight(dc) * 3 / 2;
    const std::array<int, 5> columns = {margin, margin + width / 4, margin + width / 2,
                                        margin + width * 3 / 4, margin + width};
    const auto grid = [&](int top, bool spanned) {
        Rectangle(dc, columns[0], top, columns[4] + 1, top + rowHeight + 1);
        for (std::size_t c = spanned ? 3 : 1; c < 4; ++c) {
            MoveToEx(dc, columns[c], top, nullptr);
            LineTo(dc, columns[c], top + rowHeight);
        }
    };
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    {
        const SelectedFont heading(dc, kHeadingFont, dpi);
        grid(y, false);
        for (std::size_t c = 0; c < 4; ++c) {
            cell(dc, {columns[c], y, columns[c + 1], y + rowHeight}, table.header[c], false);
        }
        y += rowHeight;
    }
    for (const auto& cells : table.rows) {
        grid(y, false);
        for (std::size_t c = 0; c < 4; ++c) {
            cell(dc, {columns[c], y, columns[c + 1], y + rowHeight}, cells[c], c > 0);
        }
        y += rowHeight;
    }
    for (const auto& [label, value] : table.summary) {
        grid(y, true);
        cell(dc, {columns[0], y, columns[3], y + rowHeight}, label, false);
        cell(dc, {columns[3], y, columns[4], y + rowHeight}, value, true);
        y += rowHeight;
    }
    if (!sheet.fault.empty()) {
        y += rowHeight / 2;
        line(dc, margin, y, sheet.fault);
    }
}

bool printSheet(HWND owner, const CalculationSheet& sheet) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    if (PrintDlgW(&dialog) == FALSE) {
        // Cancelled, or no printer: CommDlgExtendedError tells which.
        return CommDlgExtendedError() == 0;
    }
    const std::wstring name = toWide(kSheetTitle);
    DOCINFOW document{};
    document.cbSize = sizeof document;
    document.lpszDocName = name.c_str();
    bool printed = StartDocW(dialog.hDC, &document) > 0 && StartPage(dialog.hDC) > 0;
    if (printed) {
        drawSheet(dialog.hDC, sheet, GetDeviceCaps(dialog.hDC, LOGPIXELSY));
        printed = EndPage(dialog.hDC) > 0 && EndDoc(dialog.hDC) > 0;
    } else {
        AbortDoc(dialog.hDC);
    }
    DeleteDC(dialog.hDC);
    if (dialog.hDevMode != nullptr) {
        GlobalFree(dialog.hDevMode);
    }
    if (dialog.hDevNames != nullptr) {
        GlobalFree(dialog.hDevNames);
    }
    return printed;
}

}  // namespace quotara
