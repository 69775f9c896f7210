// Plain ear clipping: the cap outlines have a few dozen corners, so the
// quadratic search costs nothing, and it handles the concave outlines of
// pits, steps and tunnels without any special cases.
#include "Triangulate.h"

#include <cmath>
#include <stdexcept>

namespace level {

namespace {

bool strictlyInside(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    return cross(b - a, p - a) > 0 && cross(c - b, p - b) > 0 && cross(a - c, p - c) > 0;
}

bool isEar(const std::vector<Vec2>& polygon, const std::vector<int>& remaining, std::size_t i) {
    const std::size_t n = remaining.size();
    const Vec2 a = polygon[static_cast<std::size_t>(remaining[(i + n - 1) % n])];
    const Vec2 b = polygon[static_cast<std::size_t>(remaining[i])];
    const Vec2 c = polygon[static_cast<std::size_t>(remaining[(i + 1) % n])];
    if (cross(b - a, c - b) <= 0) {
        return false; // reflex or straight corner
    }
    for (std::size_t j = 0; j < n; ++j) {
        if (j == i || j == (i + 1) % n || j == (i + n - 1) % n) {
            continue;
        }
        if (strictlyInside(polygon[static_cast<std::size_t>(remaining[j])], a, b, c)) {
            return false;
        }
    }
    return true;
}

// A corner on a straight run is never an ear; once only such corners stand
// in the way it is left out of the fill (its neighbours' edge covers it).
bool dropStraightCorner(const std::vector<Vec2>& polygon, std::vector<int>& remaining) {
    const std::size_t n = remaining.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 a = polygon[static_cast<std::size_t>(remaining[(i + n - 1) % n])];
        const Vec2 b = polygon[static_cast<std::size_t>(remaining[i])];
        const Vec2 c = polygon[static_cast<std::size_t>(remaining[(i + 1) % n])];
        if (std::abs(cross(b - a, c - b)) < 1e-12) {
            remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
            return true;
        }
    }
    return false;
}

} // namespace

double signedArea(const std::vector<Vec2>& polygon) {
    double twiceArea = 0;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        twiceArea += cross(polygon[i], polygon[(i + 1) % polygon.size()]);
    }
    return twiceArea / 2;
}

std::vector<std::array<int, 3>> triangulatePolygon(const std::vector<Vec2>& polygon) {
    std::vector<int> remaining;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        remaining.push_back(static_cast<int>(i));
    }
    std::vector<std::array<int, 3>> triangles;
    while (remaining.size() > 3) {
        bool clipped = false;
        for (std::size_t i = 0; i < remaining.size(); ++i) {
            if (isEar(polygon, remaining, i)) {
                const std::size_t n = remaining.size();
                triangles.push_back(
                    {remaining[(i + n - 1) % n], remaining[i], remaining[(i + 1) % n]});
                remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(i));
                clipped = true;
                break;
            }
        }
        if (!clipped && !dropStraightCorner(polygon, remaining)) {
            throw std::logic_error("level outline is not a simple polygon");
        }
    }
    triangles.push_back({remaining[0], remaining[1], remaining[2]});
    return triangles;
}

} // namespace level
