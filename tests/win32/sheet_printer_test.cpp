// The printed sheet as GDI draws it, read back from an enhanced metafile's text records: what a
// printer would be sent, without a printer.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "recording_window.h"
#include "sheet_printer.h"

namespace quotara {
namespace {

int CALLBACK collectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM texts) {
    if (record->iType == EMR_EXTTEXTOUTW) {
        const auto* out = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
        const auto* chars = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(record) +
                                                             out->emrtext.offString);
        reinterpret_cast<std::vector<std::wstring>*>(texts)->emplace_back(chars,
                                                                          out->emrtext.nChars);
    }
    return 1;
}

TEST(SheetPrint, DrawsTheWorkedExamplesTableInTheSongFace) {
    RecordingWindow window;
    window.choose(4);
    for (const auto& [field, text] : {std::pair{Field::texta, u"30"},
                                      {Field::Text1, u"60"},
                                      {Field::Text2, u"70"},
                                      {Field::Text3, u"80"},
                                      {Field::Text4, u"90"}}) {
        window.type(field, text);
    }
    const std::optional<CalculationSheet> sheet =
        sheetForCommand(window.context, u"2026-12-08 09:05");
    ASSERT_TRUE(sheet);

    HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(dc, nullptr);
    drawSheet(dc, *sheet, GetDeviceCaps(dc, LOGPIXELSY));
    HENHMETAFILE drawing = CloseEnhMetaFile(dc);
    std::vector<std::wstring> texts;
    EnumEnhMetaFile(nullptr, drawing, collectText, &texts, nullptr);
    DeleteEnhMetaFile(drawing);

    const auto drawn = [&](const wchar_t* text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    };
    EXPECT_TRUE(drawn(L"公摊面积计算表"));
    EXPECT_TRUE(drawn(L"2026-12-08 09:05"));
    for (const wchar_t* cell :
         {L"第1户", L"60", L"6", L"66", L"第4户", L"99", L"300", L"330", L"90.90909"}) {
        EXPECT_TRUE(drawn(cell)) << "no cell " << std::string(cell, cell + wcslen(cell));
    }
    EXPECT_TRUE(window.messages.shown.empty());
}

}  // namespace
}  // namespace quotara
