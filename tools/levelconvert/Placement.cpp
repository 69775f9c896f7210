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
    double maxX = -minX, maxY = -minX, minY = minX;
    for (const Point3& p : positions) {
        const Point3 q = turnedOnly.position(p);
        minX = std::min(minX, q.x);
        maxX = std::max(maxX, q.x);
        maxY = std::max(maxY, q.y);
        minY = std::min(minY, q.y);
    }
    if (!(maxX > minX)) {
        throw std::invalid_argument("--fit needs a model with a width along x");
    }
    // A tall model scaled to the width asked for would end below the world
    // (and the player would land outside it): its height decides instead.
    const double byWidth = *options.fitWidth / kWorldPerFileUnit / (maxX - minX);
    const double byHeight =
        (kFitWorldSize - kFitTopWorldY) / kWorldPerFileUnit / std::max(maxY - minY, 1e-300);
    const double scale = std::min(byWidth, byHeight);
    // World y is -8 times file y.
    const double topFileY = -kFitTopWorldY / kWorldPerFileUnit;
    Placement placement(options.swapYZ, scale, Point3{-minX * scale, topFileY - maxY * scale, 0});
    placement.fittedBy = byWidth <= byHeight ? "width" : "height";
    return placement;
}
