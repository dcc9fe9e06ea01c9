// The calculation sheet's two clipboard forms: tab-separated rows and an HTML table.
#include <array>
#include <utility>
#include <vector>

#include "calculation_sheet.h"
#include "release.h"

namespace quotara {
namespace {

constexpr std::array<std::u16string_view, 4> kHeader = {u"户号", u"使用面积", u"分摊面积",
                                                        u"建筑面积"};
constexpr std::u16string_view kTotalsLabel = u"合计";
constexpr std::u16string_view kCoefficientLabel = u"公摊系数 K（核心部分面积 ÷ 使用面积合计）";
constexpr std::u16string_view kUsageRateLabel = u"使用率（%）";

std::u16string householdLabel(std::size_t index) {
    return u"第" + std::u16string(1, static_cast<char16_t>(u'1' + index)) + u"户";
}

std::u16string escaped(std::u16string_view text) {
    std::u16string out;
    for (const char16_t c : text) {
        switch (c) {
            case u'&':
                out += u"&amp;";
                break;
            case u'<':
                out += u"&lt;";
                break;
            case u'>':
                out += u"&gt;";
                break;
            case u'"':
                out += u"&quot;";
                break;
            case u'\'':
                out += u"&#39;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::u16string element(std::u16string_view tag, std::u16string_view text,
                       std::u16string_view attributes = u"") {
    return u"<" + std::u16string(tag) + std::u16string(attributes) + u">" + escaped(text) + u"</" +
           std::u16string(tag) + u">";
}

}  // namespace

SheetTable sheetTable(const CalculationSheet& sheet) {
    SheetTable table{
        kHeader,
        {},
        {{{kCoefficientLabel, sheet.coefficient}, {kUsageRateLabel, sheet.usageRate}}}};
    for (std::size_t i = 0; i < sheet.households.size(); ++i) {
        const SheetHousehold& household = sheet.households[i];
        table.rows.push_back(
            {householdLabel(i), household.usableArea, household.share, household.buildingArea});
    }
    table.rows.push_back(
        {std::u16string(kTotalsLabel), sheet.usableSum, sheet.coreArea, sheet.totalArea});
    return table;
}

std::u16string sheetAsTabSeparated(const CalculationSheet& sheet) {
    std::u16string out;
    const auto line = [&out](std::initializer_list<std::u16string_view> cells) {
        bool first = true;
        for (const std::u16string_view cell : cells) {
            out += first ? u"" : u"\t";
            out += cell;
            first = false;
        }
        out += u'\n';
    };
    line({kSheetTitle});
    line({sheet.dateTime});
    line({std::u16string_view(kNameAndVersion)});
    const SheetTable table = sheetTable(sheet);
    line({table.header[0], table.header[1], table.header[2], table.header[3]});
    for (const auto& row : table.rows) {
        line({row[0], row[1], row[2], row[3]});
    }
    for (const auto& [label, value] : table.summary) {
        line({label, value});
    }
    if (!sheet.fault.empty()) {
        line({sheet.fault});
    }
    return out;
}

std::u16string sheetAsHtml(const CalculationSheet& sheet, bool inlineStyle) {
    constexpr std::u16string_view number = u" align=\"right\"";
    std::u16string out = u"<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">" +
                         element(u"title", kSheetTitle) + u"</head>\n<body>\n" +
                         element(u"h2", kSheetTitle) + u"\n" + element(u"p", sheet.dateTime) +
                         u"\n" + element(u"p", std::u16string_view(kNameAndVersion)) + u"\n";
    out += u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"6\"";
    if (inlineStyle) {
        out += u" style=\"border-collapse: collapse; margin-top: 12px\"";
    }
    out += u">\n<tr>";
    const SheetTable table = sheetTable(sheet);
    for (const std::u16string_view heading : table.header) {
        out += element(u"th", heading);
    }
    out += u"</tr>\n";
    for (const auto& row : table.rows) {
        out += u"<tr>" + element(u"td", row[0]) + element(u"td", row[1], number) +
               element(u"td", row[2], number) + element(u"td", row[3], number) + u"</tr>\n";
    }
    for (const auto& [label, value] : table.summary) {
        out += u"<tr>" + element(u"td", label, u" colspan=\"3\"") + element(u"td", value, number) +
               u"</tr>\n";
    }
    out += u"</table>\n";
    if (!sheet.fault.empty()) {
        out += element(u"p", sheet.fault) + u"\n";
    }
    out += u"</body></html>\n";
    return out;
}

std::string shortcutText(const SheetCommand& command) {
    std::string text = command.shift ? "Ctrl+Shift+" : "Ctrl+";
    text += command.key;
    return text;
}

namespace {

void appendTwoDigits(std::u16string& out, int number) {
    out += static_cast<char16_t>(u'0' + number / 10 % 10);
    out += static_cast<char16_t>(u'0' + number % 10);
}

}  // namespace

std::u16string sheetDate(const LocalTime& time) {
    std::u16string out;
    appendTwoDigits(out, time.year / 100);
    appendTwoDigits(out, time.year);
    out += u'-';
    appendTwoDigits(out, time.month);
    out += u'-';
    appendTwoDigits(out, time.day);
    return out;
}

std::u16string sheetDateTime(const LocalTime& time) {
    std::u16string out = sheetDate(time) + u' ';
    appendTwoDigits(out, time.hour);
    out += u':';
    appendTwoDigits(out, time.minute);
    return out;
}

}  // namespace quotara
