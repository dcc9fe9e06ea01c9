#include "text_fitting.h"

#include <algorithm>

namespace quotara {

double fittedPoints(double designedPoints, double room,
                    const std::function<double(double points)>& widthAt) {
    const double designedWidth = widthAt(designedPoints);
    if (designedWidth <= room) {
        return designedPoints;
    }
    double points = std::max(kSmallestFittedPoints, designedPoints * room / designedWidth);
    while (points > kSmallestFittedPoints && widthAt(points) > room) {
        points = std::max(kSmallestFittedPoints, points - kFittedPointStep);
    }
    return points;
}

}  // namespace quotara
