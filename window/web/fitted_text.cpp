#include "fitted_text.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

// The style sheet gives the field its size; a text too wide for it is set in an inline size
// instead, proportionally smaller first, then down in quarter points: glyph widths do not scale
// exactly with the size. A field that overflows says so by a scroll width beyond its width.
// clang-format off
EM_JS(void, quotara_fit_text, (const char* id, bool follow), {
    const box = document.getElementById(UTF8ToString(id));
    const smallest = 8;  // 6 pt in CSS pixels
    const step = 1 / 3;  // 0.25 pt
    const fit = () => {
        box.style.removeProperty("font-size");
        // An empty field fits: no need to lay the page out to ask (as the page opens, that
        // would be its whole first layout, done before the user may type).
        if (box.value === "") {
            return;
        }
        const overflows = () => box.scrollWidth > box.clientWidth;
        if (!overflows()) {
            return;
        }
        const designed = parseFloat(getComputedStyle(box).fontSize);
        let size = Math.max(smallest, designed * box.clientWidth / box.scrollWidth);
        box.style.fontSize = size + "px";
        while (overflows() && size > smallest) {
            size = Math.max(smallest, size - step);
            box.style.fontSize = size + "px";
        }
    };
    if (follow) {
        box.addEventListener("input", fit);
        addEventListener("resize", fit);
    }
    fit();
});
// clang-format on

}  // namespace

namespace quotara {

void fitTextToWidth(std::string_view id) {
    quotara_fit_text(std::string(id).c_str(), true);
}

void refitText(std::string_view id) {
    quotara_fit_text(std::string(id).c_str(), false);
}

}  // namespace quotara
