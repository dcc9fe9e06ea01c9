#include "fitted_text.h"

#include <emscripten/emscripten.h>

#include <cmath>
#include <string>

#include "field_model.h"
#include "text_fitting.h"

extern "C" {
void quotara_follow_text(int field);
int quotara_unfit_text(int field, double* room, double* designed);
double quotara_text_width_at(int field, const char* size);
}

namespace {

constexpr double kPixelsPerPoint = 4.0 / 3.0;  // CSS: 96 px and 72 pt to the inch

// "10.667px": to the thousandth of a pixel, without the C library's floating-point formatting,
// which would add its weight to the page.
std::string cssPixels(double points) {
    const long thousandths = std::lround(points * kPixelsPerPoint * 1000);
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(thousandths / 1000) + "." + fraction + "px";
}

// A field that overflows says so by a scroll width beyond its width.
void fitField(quotara::Field field) {
    const int index = static_cast<int>(field);
    double room = 0;
    double designedPixels = 0;
    if (quotara_unfit_text(index, &room, &designedPixels) == 0) {
        return;
    }
    const auto widthAt = [&](double points) {
        return quotara_text_width_at(index, cssPixels(points).c_str());
    };
    const double points = quotara::fittedPoints(designedPixels / kPixelsPerPoint, room, widthAt);
    quotara_text_width_at(index, cssPixels(points).c_str());
}

}  // namespace

extern "C" EMSCRIPTEN_KEEPALIVE void quotara_refit_text(int field) {
    if (field >= 0 && field < quotara::kFieldCount) {
        fitField(static_cast<quotara::Field>(field));
    }
}

namespace quotara {

void fitTextToWidth(Field field) {
    quotara_follow_text(static_cast<int>(field));
    fitField(field);
}

void refitText(Field field) {
    fitField(field);
}

}  // namespace quotara
