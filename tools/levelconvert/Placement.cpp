#include "Placement.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

Placement decidePlacement(const PlacementOptions& options, const std::vector<Point3>& positions) {
    if (!options.fitWidth) {
        return Placement(options.swapYZ, options.scale, options.offset);
    }
    const Placement turnedOnly(options.swapYZ, 1, Point3{0, 0, 0});
    double minX = std::numeric_limits<double>::infinity();
    double maxX = -minX, maxY = -minX;
    for (const Point3& p : positions) {
        const Point3 q = turnedOnly.position(p);
        minX = std::min(minX, q.x);
        maxX = std::max(maxX, q.x);
        maxY = std::max(maxY, q.y);
    }
    if (!(maxX > minX)) {
        throw std::invalid_argument("--fit needs a model with a width along x");
    }
    const double scale = *options.fitWidth / kWorldPerFileUnit / (maxX - minX);
    // World y is -8 times file y.
    const double topFileY = -kFitTopWorldY / kWorldPerFileUnit;
    return Placement(options.swapYZ, scale, Point3{-minX * scale, topFileY - maxY * scale, 0});
}
