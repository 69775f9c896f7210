// The cut of a level face by z = 0. The edges are tried in a fixed order and
// the first two crossings win, so a face touching the plane at one corner
// yields a zero-length line there: the game relies on every face giving the
// same line however often it is loaded, so the order is part of the format.
#include "LevelFaceCut.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

bool between(double value, double end1, double end2) {
    return value >= std::min(end1, end2) && value <= std::max(end1, end2);
}

} // namespace

bool getPoint(const Vector3& ptA, const Vector3& ptB, Vector2* destination) {
    const double dx = ptB.m_x - ptA.m_x;
    const double dy = ptB.m_y - ptA.m_y;
    const double dz = ptB.m_z - ptA.m_z;
    if (dz == 0.0) {
        return false;
    }
    const double t = (0.0 - ptA.m_z) / dz;
    const double x = dx * t + ptA.m_x;
    const double y = dy * t + ptA.m_y;
    if (!between(x, ptA.m_x, ptB.m_x) || !between(y, ptA.m_y, ptB.m_y)) {
        return false;
    }
    *destination = Vector2(x, y);
    return true;
}

std::optional<Line2> cutFace(const Vector3& a, const Vector3& b, const Vector3& c) {
    const Vector3 faceNormal = (b - a).crossProduct(c - a);
    const std::array<std::pair<const Vector3*, const Vector3*>, 3> edges{
        {{&a, &c}, {&c, &b}, {&b, &a}}};
    std::array<Vector2, 2> crossings;
    std::size_t found = 0;
    for (const auto& [from, to] : edges) {
        if (found < crossings.size() && getPoint(*from, *to, &crossings[found])) {
            ++found;
        }
    }
    if (found < crossings.size()) {
        return std::nullopt;
    }
    const Vector2& p = crossings[0];
    const Vector2& q = crossings[1];
    const Vector2 n = (q - p).rNormal();
    if (n.m_x * faceNormal.m_x + n.m_y * faceNormal.m_y > 0.0) {
        return Line2(q, p);
    }
    return Line2(p, q);
}
