// One road through the real Windows window, driven from a process of its own with the calls an
// automation tool uses (FindWindowW, BM_CLICK, WM_SETTEXT, WM_GETTEXT, the clipboard): the
// worked example, a typing mistake and its warning, 清除, the sheet on the clipboard in both
// forms, and closing. Prints "N passed, N failed" and fails on any failed check.
// Usage: window_road.exe QUOTARA.exe [--pause-for-picture MARKER]
//   with the marker, the road writes MARKER.ready after the worked example and waits until
//   MARKER is deleted, for a screenshot of the window as a user sees it
//   (tools/windows_screenshot.sh).
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "form_builder.h"
#include "form_walk.h"
#include "release.h"
#include "win32_text.h"

namespace {

using namespace quotara;

int passed = 0;
int failed = 0;

void check(bool ok, const std::string& what) {
    ++(ok ? passed : failed);
    if (!ok) {
        std::printf("FAIL: %s\n", what.c_str());
        std::fflush(stdout);
    }
}

bool waitFor(const std::function<bool()>& done, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 20) {
        if (done()) {
            return true;
        }
        Sleep(20);
    }
    return done();
}

HWND form = nullptr;

HWND control(std::string_view name) {
    const ControlSpec* row = controlNamed(name);
    return row == nullptr
               ? nullptr
               : GetDlgItem(form, kFirstControlId + static_cast<int>(row - kControls.data()));
}

// WM_GETTEXT, not GetWindowTextW, which cannot read another process's edit.
std::wstring textOf(HWND window) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 5000,
                        &copied);
    return text;
}
std::wstring textOf(std::string_view name) {
    return textOf(control(name));
}

void type(std::string_view name, const wchar_t* text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_BLOCK,
                        5000, &result);
}

// Posted, not sent: a click that opens a modal box would keep a sender waiting.
void click(std::string_view name) {
    PostMessageW(control(name), BM_CLICK, 0, 0);
}

HWND focusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// The message box the window owns, if one is open.
HWND messageBox() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(window, kind, 16);
            if (GetWindow(window, GW_OWNER) == form && lstrcmpW(kind, L"#32770") == 0 &&
                IsWindowVisible(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<std::pair<std::wstring, std::wstring>> childrenOf(HWND window) {
    std::vector<std::pair<std::wstring, std::wstring>> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) -> BOOL {
            wchar_t kind[32] = {};
            GetClassNameW(child, kind, 32);
            reinterpret_cast<std::vector<std::pair<std::wstring, std::wstring>>*>(list)
                ->emplace_back(kind, textOf(child));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::string utf8(const std::wstring& text) {
    std::string out(text.size() * 3 + 1, '\0');
    out.resize(static_cast<std::size_t>(
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(),
                            static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

void expectTexts(const std::vector<std::pair<std::string_view, const wchar_t*>>& expected) {
    for (const auto& [name, text] : expected) {
        const std::wstring shown = textOf(name);
        check(shown == text,
              std::string(name) + " shows \"" + utf8(shown) + "\", not \"" + utf8(text) + "\"");
    }
}

void fillWorkedExample() {
    type("texta", L"30");
    type("Text1", L"60");
    type("Text2", L"70");
    type("Text3", L"80");
    type("Text4", L"90");
}

// The clipboard's Unicode text and its "HTML Format" bytes.
std::pair<std::wstring, std::string> clipboard() {
    std::pair<std::wstring, std::string> read;
    if (!waitFor([] { return OpenClipboard(nullptr) != FALSE; })) {
        return read;
    }
    if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
        read.first = static_cast<const wchar_t*>(GlobalLock(text));
        GlobalUnlock(text);
    }
    if (HANDLE html = GetClipboardData(RegisterClipboardFormatW(L"HTML Format"))) {
        read.second = static_cast<const char*>(GlobalLock(html));
        GlobalUnlock(html);
    }
    CloseClipboard();
    return read;
}

std::size_t offset(const std::string& html, const char* name) {
    const std::size_t at = html.find(name);
    return at == std::string::npos ? 0 : std::stoul(html.substr(at + std::strlen(name), 10));
}

void pressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT down{};
        down.type = INPUT_KEYBOARD;
        down.ki.wVk = key;
        inputs.push_back(down);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT up{};
        up.type = INPUT_KEYBOARD;
        up.ki.wVk = *--key;
        up.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(up);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 2) {
        std::fputs("usage: window_road QUOTARA.exe [--pause-for-picture MARKER]\n", stderr);
        return 2;
    }
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process) == FALSE) {
        std::printf("FAIL: cannot start the program (%lu)\n", GetLastError());
        return 1;
    }
    waitFor([] { return (form = FindWindowW(kFormClassName, nullptr)) != nullptr; }, 30000);
    check(form != nullptr, "the window opens");
    if (form == nullptr) {
        TerminateProcess(process.hProcess, 1);
        return 1;
    }
    waitFor([] { return IsWindowVisible(form) != FALSE; });

    // As it opens: caption, size, the focus on the first count button without choosing it.
    check(textOf(form) == toWide(std::string_view(kCaption)), "the caption is the release's");
    RECT client{};
    GetClientRect(form, &client);
    check(client.right == 389 && client.bottom == 494,
          "the client area is 389 x 494 at 96 dpi, not " + std::to_string(client.right) + " x " +
              std::to_string(client.bottom));
    check(waitFor([] { return focusOf(form) == control("Option2"); }), "Option2 has the focus");
    check(SendMessageW(control("Option2"), BM_GETCHECK, 0, 0) == BST_UNCHECKED,
          "no count is chosen at start");
    check(!IsWindowEnabled(control("Text1")) && IsWindowEnabled(control("texta")),
          "only the core area takes typing at start");

    // The worked example.
    click("Option4");
    check(waitFor([] { return IsWindowEnabled(control("Text4")) != FALSE; }),
          "choosing 4 enables the fourth entry");
    check(!IsWindowEnabled(control("Text5")), "and not the fifth");
    fillWorkedExample();
    click("Command1");
    waitFor([] { return textOf("Text10") == L"90.90909"; });
    expectTexts({{"produce1", L"66"},
                 {"produce2", L"77"},
                 {"produce3", L"88"},
                 {"produce4", L"99"},
                 {"Text9", L"330"},
                 {"Text10", L"90.90909"}});
    if (argc >= 4 && std::wstring(argv[2]) == L"--pause-for-picture") {
        // MARKER.ready says the window is ready for its picture; MARKER gone, the road goes on.
        const std::wstring marker = argv[3];
        CloseHandle(CreateFileW((marker + L".ready").c_str(), GENERIC_WRITE, 0, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        waitFor([&] { return GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES; },
                60000);
    }

    // A typing mistake: the warning, 确定, and the focus in the entry once the box has closed.
    type("Text3", L"八十");
    click("Command1");
    HWND box = nullptr;
    check(waitFor([&] { return (box = messageBox()) != nullptr; }), "a warning box opens");
    if (box != nullptr) {
        check(textOf(box).empty(), "the warning has no title");
        bool prompt = false;
        HWND ok = nullptr;
        EnumChildWindows(
            box,
            [](HWND child, LPARAM found) -> BOOL {
                if (GetDlgCtrlID(child) == IDOK) {
                    *reinterpret_cast<HWND*>(found) = child;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&ok));
        for (const auto& [kind, text] : childrenOf(box)) {
            prompt = prompt || text == L"请输入数字！！";
        }
        check(prompt, "the warning says 请输入数字！！");
        check(ok != nullptr && textOf(ok) == L"确定", "its one button is 确定");
        check(!IsWindowEnabled(form), "the window takes no input while the box is open");
        PostMessageW(ok, BM_CLICK, 0, 0);
        check(waitFor([] { return messageBox() == nullptr; }), "确定 closes the box");
    }
    check(waitFor([] { return focusOf(form) == control("Text3"); }),
          "the focus is in the wrong entry once the box has closed");
    expectTexts({{"Text3", L"八十"}, {"produce3", L"88"}, {"Text9", L"330"}});

    // 清除 empties every text field and leaves the choice as it was.
    click("Command2");
    waitFor([] { return textOf("texta").empty(); });
    for (const char* name :
         {"texta", "Text1", "Text3", "produce1", "produce4", "Text9", "Text10"}) {
        check(textOf(name).empty(), std::string(name) + " is empty after 清除");
    }
    check(IsWindowEnabled(control("Text4")) &&
              SendMessageW(control("Option4"), BM_GETCHECK, 0, 0) == BST_CHECKED,
          "清除 keeps the count");

    // The sheet on the clipboard with Ctrl+Shift+C, in both forms.
    fillWorkedExample();
    SetForegroundWindow(form);
    if (OpenClipboard(nullptr) != FALSE) {
        EmptyClipboard();
        CloseClipboard();
    }
    pressKeys({VK_CONTROL, VK_SHIFT, 'C'});
    waitFor([] { return !clipboard().first.empty(); });
    const auto [text, html] = clipboard();
    check(text.find(L"公摊面积计算表\r\n") == 0, "the text starts with the title line");
    check(text.find(L"第1户\t60\t6\t66\r\n") != std::wstring::npos,
          "a household's row is tab-separated: " + utf8(text.substr(0, 200)));
    check(text.find(L"\t330") != std::wstring::npos, "the totals row holds 330");
    check(html.rfind("Version:0.9\r\n", 0) == 0, "the HTML form starts with the offsets header");
    const std::size_t start = offset(html, "StartHTML:");
    const std::size_t end = offset(html, "EndHTML:");
    const std::size_t fragment = offset(html, "StartFragment:");
    const std::size_t fragmentEnd = offset(html, "EndFragment:");
    check(end == html.size() && html.compare(start, 15, "<!DOCTYPE html>") == 0,
          "StartHTML and EndHTML frame the document");
    check(fragment < fragmentEnd &&
              html.substr(fragment, fragmentEnd - fragment).find("<table") != std::string::npos &&
              html.compare(fragment - 20, 20, "<!--StartFragment-->") == 0,
          "the fragment's offsets hold the table");
    check(html.find("<td>第1户</td>") != std::string::npos, "the HTML is UTF-8");

    // Closing the window ends the program with status 0.
    PostMessageW(form, WM_CLOSE, 0, 0);
    DWORD status = 1;
    check(WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0 &&
              GetExitCodeProcess(process.hProcess, &status) != FALSE && status == 0,
          "closing the window ends the program with status 0");
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
