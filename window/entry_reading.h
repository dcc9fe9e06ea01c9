// The entries as 计算 reads them: the household count from the option buttons, then the core
// area and each usable area, each tested and converted. Shared by the Calculate command and
// the calculation sheet, so that both read the same numbers and warn the same way.
#pragma once

#include <string_view>
#include <variant>

#include "apportion.h"
#include "handlers.h"

namespace quotara {

// A step either yields its value or stops: with a field fault for the dispatcher, or with
// nothing when the user has already been told.
struct Stopped {
    HandlerOutcome outcome;
};
template <typename T>
using Step = std::variant<T, Stopped>;

struct EntriesRead {
    ApportionInputs inputs;
    // Usable areas read: the household count, but at least households 1 and 2, which are read
    // whatever the count.
    int households = 2;
};

// Reads and converts the entries in order (texta, Text1, Text2, Text3 … up to the count). The
// first one that is not a number, or too large, is warned about and then focused; with no
// count chosen the focus goes to the count buttons instead. Writes no field.
[[nodiscard]] Step<EntriesRead> readEntries(const HandlerContext& context);

// The warning 计算 shows for an arithmetic fault.
[[nodiscard]] std::u16string_view faultPrompt(ApportionFault fault);

}  // namespace quotara
