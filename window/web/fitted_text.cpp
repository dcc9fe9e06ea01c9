#include "fitted_text.h"

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <cmath>
#include <string>

#include "field_model.h"
#include "text_fitting.h"

namespace {

// Refits the field on the user's typing and on every resize of the page. Not while a handler
// runs or waits for its box: a call into the program then would run beside the suspended one
// and corrupt its stack. A refit held back so is done as the handler ends.
// clang-format off
EM_JS(void, quotara_follow_text, (const char* id, int field), {
    const refit = () => {
        if (Module["handlerRunning"]) {
            Module["refitsHeldBack"] = (Module["refitsHeldBack"] || new Set()).add(field);
        } else {
            Module["_quotara_refit_text"](field);
        }
    };
    document.getElementById(UTF8ToString(id)).addEventListener("input", refit);
    addEventListener("resize", refit);
});
// clang-format on

constexpr double kPixelsPerPoint = 4.0 / 3.0;  // CSS: 96 px and 72 pt to the inch

// "10.667px": to the thousandth of a pixel, without the C library's floating-point formatting,
// which would add its weight to the page.
std::string cssPixels(double points) {
    const long thousandths = std::lround(points * kPixelsPerPoint * 1000);
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(thousandths / 1000) + "." + fraction + "px";
}

void fit(emscripten::val box) {
    using emscripten::val;
    val style = box["style"];
    style.call<void>("removeProperty", std::string("font-size"));
    // An empty field fits: no need to lay the page out to ask (as the page opens, that would be
    // its whole first layout, done before the user may type).
    if (box["value"]["length"].as<int>() == 0) {
        return;
    }
    // A field that overflows says so by a scroll width beyond its width.
    const double room = box["clientWidth"].as<double>();
    if (box["scrollWidth"].as<double>() <= room) {
        return;
    }
    const double designedPixels =
        val::global("parseFloat")(val::global("getComputedStyle")(box)["fontSize"]).as<double>();
    const auto widthAt = [&](double points) {
        style.set("fontSize", cssPixels(points));
        return box["scrollWidth"].as<double>();
    };
    const double points = quotara::fittedPoints(designedPixels / kPixelsPerPoint, room, widthAt);
    style.set("fontSize", cssPixels(points));
}

void fitField(quotara::Field field) {
    const std::string id(quotara::fieldName(field));
    fit(emscripten::val::global("document").call<emscripten::val>("getElementById", id));
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_refit_text(int field) {
    if (field >= 0 && field < quotara::kFieldCount) {
        fitField(static_cast<quotara::Field>(field));
    }
}

namespace quotara {

void fitTextToWidth(Field field) {
    quotara_follow_text(std::string(fieldName(field)).c_str(), static_cast<int>(field));
    fitField(field);
}

void refitText(Field field) {
    fitField(field);
}

}  // namespace quotara
