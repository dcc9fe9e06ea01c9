#include "sheet_commands.h"

#include <array>
#include <cstdio>
#include <cstring>

#include "sheet_printer.h"
#include "win32_text.h"

namespace quotara {
namespace {

// What Windows has of the browser's and Qt's print-to-PDF: the print dialog's own PDF printer.
// Copy and print are the sheet's commands here.
constexpr std::array<SheetCommandId, 2> kWindowsCommands = {SheetCommandId::copy,
                                                            SheetCommandId::print};

WORD commandId(SheetCommandId id) {
    return static_cast<WORD>(kFirstSheetCommandId + static_cast<WORD>(id));
}

std::string toUtf8(std::u16string_view text) {
    const std::wstring wide = toWide(text);
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

// Hands a copy of `bytes` to the open clipboard in `format`.
bool putOnClipboard(UINT format, const void* bytes, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) {
        return false;
    }
    std::memcpy(GlobalLock(memory), bytes, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

LocalTime localTimeNow() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute};
}

}  // namespace

std::string clipboardHtml(std::u16string_view html) {
    std::string document = toUtf8(html);
    // The fragment is the body's content, between the two comments Windows' own programs write.
    const std::size_t body = document.find("<body>");
    const std::size_t bodyEnd = document.rfind("</body>");
    if (body != std::string::npos && bodyEnd != std::string::npos && body < bodyEnd) {
        document.insert(bodyEnd, "<!--EndFragment-->");
        document.insert(body + 6, "<!--StartFragment-->");
    }
    const std::size_t start = document.find("<!--StartFragment-->");
    const std::size_t end = document.find("<!--EndFragment-->");
    constexpr const char* kHeader =
        "Version:0.9\r\nStartHTML:%010zu\r\nEndHTML:%010zu\r\nStartFragment:%010zu\r\n"
        "EndFragment:%010zu\r\n";
    // Every offset has ten digits, so the header's length does not depend on them.
    const std::size_t headerSize = static_cast<std::size_t>(std::snprintf(
        nullptr, 0, kHeader, std::size_t{0}, std::size_t{0}, std::size_t{0}, std::size_t{0}));
    const std::size_t fragment = start == std::string::npos ? 0 : start + 20;
    const std::size_t fragmentEnd = end == std::string::npos ? document.size() : end;
    std::string header(headerSize + 1, '\0');
    std::snprintf(header.data(), header.size(), kHeader, headerSize, headerSize + document.size(),
                  headerSize + fragment, headerSize + fragmentEnd);
    header.resize(headerSize);
    return header + document;
}

SheetCommands::SheetCommands(Win32Form& form, const HandlerContext& context)
    : form_(form), context_(context) {
    std::array<ACCEL, kWindowsCommands.size()> table{};
    for (std::size_t i = 0; i < kWindowsCommands.size(); ++i) {
        const SheetCommand& command = sheetCommand(kWindowsCommands[i]);
        table[i].fVirt = static_cast<BYTE>(FVIRTKEY | FCONTROL | (command.shift ? FSHIFT : 0));
        table[i].key = static_cast<WORD>(command.key);  // a capital letter is its virtual key
        table[i].cmd = commandId(kWindowsCommands[i]);
    }
    accelerators_ = CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

SheetCommands::~SheetCommands() {
    if (accelerators_ != nullptr) {
        DestroyAcceleratorTable(accelerators_);
    }
}

void SheetCommands::showMenu(POINT where) {
    HMENU menu = CreatePopupMenu();
    for (const SheetCommandId id : kWindowsCommands) {
        const SheetCommand& command = sheetCommand(id);
        const std::wstring text = toWide(command.caption) + (command.opensDialog ? L"…" : L"") +
                                  L"\t" + toWide(shortcutText(command));
        AppendMenuW(menu, MF_STRING, commandId(id), text.c_str());
    }
    // Opened from the keyboard (Shift+F10, the menu key) the point is (-1, -1): under the window's
    // top-left corner then.
    if (where.x == -1 && where.y == -1) {
        where = {0, 0};
        ClientToScreen(form_.window(), &where);
    }
    const auto chosen = static_cast<WORD>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, where.x, where.y, 0, form_.window(), nullptr));
    DestroyMenu(menu);
    if (chosen != 0) {
        run(chosen);
    }
}

bool SheetCommands::run(WORD id) {
    if (id == commandId(SheetCommandId::copy)) {
        copy();
    } else if (id == commandId(SheetCommandId::print)) {
        print();
    } else {
        return false;
    }
    return true;
}

std::optional<CalculationSheet> SheetCommands::readSheet() {
    return sheetForCommand(context_, sheetDateTime(localTimeNow()));
}

void SheetCommands::copy() {
    const std::optional<CalculationSheet> sheet = readSheet();
    if (!sheet) {
        return;
    }
    // Windows' text ends its lines in CR LF.
    std::wstring text;
    for (const char16_t c : sheetAsTabSeparated(*sheet)) {
        if (c == u'\n') {
            text += L'\r';
        }
        text += static_cast<wchar_t>(c);
    }
    const std::string html = clipboardHtml(sheetAsHtml(*sheet));
    bool copied = OpenClipboard(form_.window()) != FALSE;
    if (copied) {
        EmptyClipboard();
        copied =
            putOnClipboard(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t)) &&
            putOnClipboard(RegisterClipboardFormatW(L"HTML Format"), html.c_str(), html.size() + 1);
        CloseClipboard();
    }
    if (!copied) {
        context_.messages.show(u"无法写入剪贴板，计算表没有复制。\n请稍后再试，或用“打印计算表”。",
                               kWarningStyle, u"");
    }
}

void SheetCommands::print() {
    const std::optional<CalculationSheet> sheet = readSheet();
    if (sheet && !printSheet(form_.window(), *sheet)) {
        context_.messages.show(u"计算表没有打印出来。\n请检查打印机后再试。", kWarningStyle, u"");
    }
}

}  // namespace quotara
