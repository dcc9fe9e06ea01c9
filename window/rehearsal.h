// A first calculation rehearsed on a window nobody sees. A browser compiles each WebAssembly
// function as it is first called, and a first 计算 calls many (reading the entries, the
// arithmetic, the numbers' text): rehearsed once the page has opened, they are compiled before
// the user's first click, which is then as quick as any later one.
#pragma once

#include <array>
#include <string>

namespace quotara {

// What the rehearsal's 计算 wrote: produce1 … produce4, Text9 and Text10.
using RehearsedResults = std::array<std::u16string, 6>;

// Chooses 4户, types the worked example (30; 60, 70, 80, 90), clicks 计算 and then 清除, on a
// window held in memory whose message box shows nothing: no real window, focus or box is
// touched. Answers what 计算 wrote, before 清除 emptied it.
[[nodiscard]] RehearsedResults rehearseFirstCalculation(char16_t decimalSeparator);

}  // namespace quotara
