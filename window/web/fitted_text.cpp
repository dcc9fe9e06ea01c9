#include "fitted_text.h"

#include <emscripten/emscripten.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <string>

#include "field_model.h"
#include "text_fitting.h"

extern "C" {
void quotara_follow_texts(int fields);
void quotara_refit_later(int field);
void quotara_unfit_text(int field);
int quotara_text_overflows(int field, double* room, double* designed);
double quotara_text_width_at(int field, const char* size);
}

namespace {

using quotara::FieldSet;

constexpr double kPixelsPerPoint = 4.0 / 3.0;  // CSS: 96 px and 72 pt to the inch

// "10.667px": to the thousandth of a pixel, without the C library's floating-point formatting,
// which would add its weight to the page.
std::string cssPixels(double points) {
    const long thousandths = std::lround(points * kPixelsPerPoint * 1000);
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::to_string(thousandths / 1000) + "." + fraction + "px";
}

// In passes, each reading the layout only after every write it depends on: all the fields back
// to their designed size, then all measured (the first measure lays the page out, the others
// read that layout), then a size searched for those that overflow. A field that overflows says
// so by a scroll width beyond its width.
void fitFields(FieldSet fields) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields.test(i)) {
            quotara_unfit_text(static_cast<int>(i));
        }
    }
    struct Overflow {
        int field;
        double room;
        double designedPixels;
    };
    std::array<Overflow, quotara::kFieldCount> overflowing{};
    std::size_t count = 0;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!fields.test(i)) {
            continue;
        }
        Overflow& next = overflowing[count];
        next.field = static_cast<int>(i);
        if (quotara_text_overflows(next.field, &next.room, &next.designedPixels) != 0) {
            ++count;
        }
    }
    for (std::size_t k = 0; k < count; ++k) {
        const Overflow& field = overflowing[k];
        const auto widthAt = [&](double points) {
            return quotara_text_width_at(field.field, cssPixels(points).c_str());
        };
        const double points =
            quotara::fittedPoints(field.designedPixels / kPixelsPerPoint, field.room, widthAt);
        quotara_text_width_at(field.field, cssPixels(points).c_str());
    }
}

int mask(FieldSet fields) {
    return static_cast<int>(fields.to_ulong());
}

}  // namespace

// The fields as a mask: bit n for Field n.
extern "C" EMSCRIPTEN_KEEPALIVE void quotara_refit_texts(int fields) {
    fitFields(FieldSet(static_cast<unsigned long>(fields)));
}

namespace quotara {

void fitTextsToWidth(FieldSet fields) {
    quotara_follow_texts(mask(fields));
    fitFields(fields);
}

void refitTextLater(Field field) {
    quotara_refit_later(static_cast<int>(field));
}

}  // namespace quotara
