// Geometry checks of a character against collision lines: whether a point
// lies in the solid the lines enclose, and how deep the lines reach into an
// ellipse.
#pragma once

#include <cmath>
#include <vector>

#include "Util/Shapes.h"

// Whether p lies within the solid the closed outline `lines` encloses: an
// upward ray from p crosses them an odd number of times.
inline bool insideSolid(const std::vector<Line2>& lines, const Vector2& p) {
    int crossings = 0;
    for (const Line2& line : lines) {
        const Vector2 &a = line.m_a, &b = line.m_b;
        if (a.m_x == b.m_x || (p.m_x < a.m_x) == (p.m_x < b.m_x))
            continue;
        const double yAtP = a.m_y + (b.m_y - a.m_y) * (p.m_x - a.m_x) / (b.m_x - a.m_x);
        crossings += yAtP < p.m_y ? 1 : 0;
    }
    return crossings % 2 == 1;
}

// How far the deepest line reaches into the ellipse, as a share of its size
// (0 touching, 1 through the centre; negative when clear).
inline double deepestOverlap(const std::vector<Line2>& lines, const Ellipsoid2& ellipse) {
    double deepest = -1e9;
    const Vector2 centre = ellipse.m_center / ellipse.m_radius;
    for (const Line2& line : lines) {
        const Vector2 a = line.m_a / ellipse.m_radius, b = line.m_b / ellipse.m_radius;
        const Vector2 along = b - a;
        double share = (centre - a).dotProduct(along) / along.dotProduct(along);
        share = std::fmax(0.0, std::fmin(1.0, share));
        deepest = std::fmax(deepest, 1.0 - (a + along * share - centre).length());
    }
    return deepest;
}
