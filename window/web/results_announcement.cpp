#include "results_announcement.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "form_builder.h"

extern "C" void quotara_announce(const char* id, const char16_t* text);  // results_announcement.js

namespace quotara {
namespace {

// The totals, each with the words that say it.
constexpr std::array<std::pair<Field, std::u16string_view>, 2> kSpoken = {{
    {Field::Text9, u"总面积 "},
    {Field::Text10, u"使用率 "},
}};

}  // namespace

void announceResults(WebFieldModel& fields) {
    const std::bitset<kFieldCount> written = fields.takeWritten();
    std::u16string said;
    for (const auto& [field, words] : kSpoken) {
        const std::optional<std::u16string> text = fields.text(field);
        if (!written.test(static_cast<std::size_t>(field)) || !text || text->empty()) {
            continue;
        }
        said += said.empty() ? u"" : u"，";
        said += words;
        said += *text;
    }
    quotara_announce(kLiveRegionId, said.c_str());
}

}  // namespace quotara
