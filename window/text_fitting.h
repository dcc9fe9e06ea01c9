// The rule for a result wider than its field, the same in every toolkit: the number is set in a
// smaller size of the field's font instead of running past the field's edge.
#pragma once

#include <functional>

namespace quotara {

inline constexpr double kSmallestFittedPoints = 6;
inline constexpr double kFittedPointStep = 0.25;

// The size, in points, at which a text designed at `designedPoints` fits `room`: the designed
// size where it fits; otherwise proportionally smaller, then down in quarter points (hinting keeps
// widths from scaling exactly with the size), never below 6 pt. `widthAt` measures the text at a
// size in points, in the unit of `room`.
[[nodiscard]] double fittedPoints(double designedPoints, double room,
                                  const std::function<double(double points)>& widthAt);

}  // namespace quotara
