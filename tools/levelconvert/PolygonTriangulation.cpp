// Ear clipping in the plane the polygon faces most, turned so that the
// polygon runs counter-clockwise there; every ear is then counter-clockwise
// too, which keeps the winding. Exports' polygons are mostly quads and small
// n-gons, for which the quadratic search is cheap; it handles concave
// outlines (L and U shapes, notches) without special cases.
#include "PolygonTriangulation.h"

#include <algorithm>
#include <cmath>

namespace {

struct Flat {
    double u, v;
};

double cross(const Flat& a, const Flat& b, const Flat& c) {
    return (b.u - a.u) * (c.v - b.v) - (b.v - a.v) * (c.u - b.u);
}

// Inside the triangle or on its edges; the triangle is counter-clockwise.
bool covers(const Flat& a, const Flat& b, const Flat& c, const Flat& p) {
    const auto side = [](const Flat& from, const Flat& to, const Flat& q) {
        return (to.u - from.u) * (q.v - from.v) - (to.v - from.v) * (q.u - from.u);
    };
    return side(a, b, p) >= 0 && side(b, c, p) >= 0 && side(c, a, p) >= 0;
}

bool same(const Flat& a, const Flat& b) {
    return a.u == b.u && a.v == b.v;
}

// The axis to look along: the one the normal points along most, or, for a
// polygon whose lobes cancel (a bow tie has no normal), the one it is
// thinnest along.
int viewAxis(const std::vector<Point3>& corners, const Point3& normal) {
    const double ax = std::abs(normal.x), ay = std::abs(normal.y), az = std::abs(normal.z);
    Point3 low = corners[0], high = corners[0];
    for (const Point3& p : corners) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    const double ex = high.x - low.x, ey = high.y - low.y, ez = high.z - low.z;
    const double size = std::max({ex, ey, ez});
    if (std::max({ax, ay, az}) > 1e-12 * size * size) {
        return az >= ax && az >= ay ? 2 : ax >= ay ? 0 : 1;
    }
    return ez <= ex && ez <= ey ? 2 : ex <= ey ? 0 : 1;
}

std::vector<Flat> flatten(const std::vector<Point3>& corners, const Point3& normal) {
    const int axis = viewAxis(corners, normal);
    std::vector<Flat> flat;
    flat.reserve(corners.size());
    for (const Point3& p : corners) {
        // Dropping the axis in cyclic order keeps the orientation's sign
        // equal to that axis' normal component.
        if (axis == 2) {
            flat.push_back({p.x, normal.z >= 0 ? p.y : -p.y});
        } else if (axis == 0) {
            flat.push_back({p.y, normal.x >= 0 ? p.z : -p.z});
        } else {
            flat.push_back({p.z, normal.y >= 0 ? p.x : -p.x});
        }
    }
    return flat;
}

class EarClipper {
  public:
    EarClipper(const std::vector<Flat>& flat, std::vector<CornerTriangle>& out)
        : m_flat(flat), m_out(out), m_next(flat.size()), m_previous(flat.size()),
          m_left(flat.size()), m_firstTriangle(out.size()) {
        for (std::size_t i = 0; i < flat.size(); ++i) {
            m_next[i] = (i + 1) % flat.size();
            m_previous[i] = (i + flat.size() - 1) % flat.size();
        }
    }

    bool run() {
        bool simple = true;
        std::size_t corner = 0;
        while (m_left > 3) {
            if (clipAnEar(corner) || dropStraightCorner(corner)) {
                continue;
            }
            // Only a polygon that crosses itself has no ear: clip its most
            // convex corner regardless, so that it is still filled.
            simple = false;
            clip(mostConvexCorner(corner));
        }
        m_out.push_back({static_cast<std::uint32_t>(m_previous[corner]),
                         static_cast<std::uint32_t>(corner),
                         static_cast<std::uint32_t>(m_next[corner])});
        return simple && coversExactly();
    }

  private:
    // Ears that do not overlap add up to the polygon's area exactly; a
    // polygon that crosses itself has ears left over (a bow tie has no area
    // at all), however its corners were clipped.
    bool coversExactly() const {
        double polygon = 0, triangles = 0;
        for (std::size_t i = 0; i < m_flat.size(); ++i) {
            const Flat& a = m_flat[i];
            const Flat& b = m_flat[(i + 1) % m_flat.size()];
            polygon += a.u * b.v - a.v * b.u;
        }
        for (std::size_t t = m_firstTriangle; t < m_out.size(); ++t) {
            triangles +=
                std::abs(cross(m_flat[m_out[t][0]], m_flat[m_out[t][1]], m_flat[m_out[t][2]]));
        }
        return std::abs(triangles - polygon) <= 1e-9 * std::max(triangles, 1e-300);
    }

    bool isEar(std::size_t i) const {
        const Flat& a = m_flat[m_previous[i]];
        const Flat& b = m_flat[i];
        const Flat& c = m_flat[m_next[i]];
        if (cross(a, b, c) <= 0) {
            return false;
        }
        for (std::size_t j = m_next[m_next[i]]; j != m_previous[i]; j = m_next[j]) {
            const Flat& p = m_flat[j];
            if (!same(p, a) && !same(p, b) && !same(p, c) && covers(a, b, c, p)) {
                return false;
            }
        }
        return true;
    }

    bool clipAnEar(std::size_t& corner) {
        std::size_t i = corner;
        for (std::size_t tried = 0; tried < m_left; ++tried, i = m_next[i]) {
            if (isEar(i)) {
                corner = clip(i);
                return true;
            }
        }
        return false;
    }

    // A corner on a straight run (or a repeated one) covers no area; leaving
    // it out loses nothing, as the edge of its neighbours passes through it.
    bool dropStraightCorner(std::size_t& corner) {
        std::size_t i = corner;
        for (std::size_t tried = 0; tried < m_left; ++tried, i = m_next[i]) {
            if (cross(m_flat[m_previous[i]], m_flat[i], m_flat[m_next[i]]) == 0) {
                corner = unlink(i);
                return true;
            }
        }
        return false;
    }

    std::size_t mostConvexCorner(std::size_t from) const {
        std::size_t best = from;
        double bestCross = -INFINITY;
        std::size_t i = from;
        for (std::size_t tried = 0; tried < m_left; ++tried, i = m_next[i]) {
            const double c = cross(m_flat[m_previous[i]], m_flat[i], m_flat[m_next[i]]);
            if (c > bestCross) {
                bestCross = c;
                best = i;
            }
        }
        return best;
    }

    std::size_t clip(std::size_t i) {
        m_out.push_back({static_cast<std::uint32_t>(m_previous[i]), static_cast<std::uint32_t>(i),
                         static_cast<std::uint32_t>(m_next[i])});
        return unlink(i);
    }

    // Returns the corner after the removed one, where the search goes on.
    std::size_t unlink(std::size_t i) {
        m_next[m_previous[i]] = m_next[i];
        m_previous[m_next[i]] = m_previous[i];
        --m_left;
        return m_next[i];
    }

    const std::vector<Flat>& m_flat;
    std::vector<CornerTriangle>& m_out;
    std::vector<std::size_t> m_next;
    std::vector<std::size_t> m_previous;
    std::size_t m_left;
    std::size_t m_firstTriangle;
};

} // namespace

Point3 polygonNormal(const std::vector<Point3>& corners) {
    Point3 n;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const Point3& a = corners[i];
        const Point3& b = corners[(i + 1) % corners.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

bool triangulatePolygon(const std::vector<Point3>& corners, std::vector<CornerTriangle>& out) {
    if (corners.size() == 3) {
        out.push_back({0, 1, 2});
        return true;
    }
    const std::vector<Flat> flat = flatten(corners, polygonNormal(corners));
    return EarClipper(flat, out).run();
}
