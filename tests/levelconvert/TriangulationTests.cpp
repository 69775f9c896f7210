// Polygons of an export cut into triangles: the triangles must cover the
// polygon exactly (no triangle outside it, none overlapping) and keep its
// winding, concave outlines included.
#include <gtest/gtest.h>

#include <cmath>

#include "ConversionTest.h"
#include "PolygonTriangulation.h"

namespace {

struct Flat {
    double x, y;
};

double signedArea(const Flat& a, const Flat& b, const Flat& c) {
    return ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
}

// Even-odd rule; points exactly on the outline count as inside.
bool insideOrOn(const std::vector<Flat>& polygon, const Flat& p) {
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Flat& a = polygon[i];
        const Flat& b = polygon[j];
        const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
        const bool onEdge = std::abs(cross) < 1e-12 && p.x >= std::min(a.x, b.x) &&
                            p.x <= std::max(a.x, b.x) && p.y >= std::min(a.y, b.y) &&
                            p.y <= std::max(a.y, b.y);
        if (onEdge) {
            return true;
        }
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

// Triangulates a polygon given in the plane z = 0, checking that every
// triangle keeps the polygon's counter-clockwise winding and lies inside it
// (sampled on a grid of barycentric points), and that the areas add up.
std::vector<CornerTriangle> coverExactly(const std::vector<Flat>& polygon, double area) {
    std::vector<Point3> corners;
    for (const Flat& f : polygon) {
        corners.push_back({f.x, f.y, 0});
    }
    std::vector<CornerTriangle> triangles;
    EXPECT_TRUE(triangulatePolygon(corners, triangles));
    double total = 0;
    for (const CornerTriangle& t : triangles) {
        const Flat& a = polygon[t[0]];
        const Flat& b = polygon[t[1]];
        const Flat& c = polygon[t[2]];
        const double triangleArea = signedArea(a, b, c);
        EXPECT_GT(triangleArea, 0) << "triangle " << t[0] << " " << t[1] << " " << t[2];
        total += triangleArea;
        constexpr int kSteps = 8;
        for (int i = 0; i <= kSteps; ++i) {
            for (int j = 0; i + j <= kSteps; ++j) {
                const double u = double(i) / kSteps, v = double(j) / kSteps, w = 1 - u - v;
                const Flat p{a.x * u + b.x * v + c.x * w, a.y * u + b.y * v + c.y * w};
                EXPECT_TRUE(insideOrOn(polygon, p)) << "(" << p.x << ", " << p.y << ")";
            }
        }
    }
    EXPECT_DOUBLE_EQ(total, area);
    return triangles;
}

TEST(Triangulation, AnLShapeStaysInside) {
    const auto triangles = coverExactly({{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 3.0);
    EXPECT_EQ(triangles.size(), 4u);
}

TEST(Triangulation, AUShapeStaysInside) {
    const auto triangles =
        coverExactly({{0, 0}, {3, 0}, {3, 2}, {2, 2}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 5.0);
    EXPECT_EQ(triangles.size(), 6u);
}

TEST(Triangulation, EveryStartingCornerOfAConcaveOutlineWorks) {
    // The same notched outline, its list rotated: the first ear differs.
    const std::vector<Flat> notched = {{0, 0}, {4, 0}, {4, 3}, {3, 3}, {2, 1}, {1, 3}, {0, 3}};
    for (std::size_t start = 0; start < notched.size(); ++start) {
        SCOPED_TRACE(start);
        std::vector<Flat> rotated(notched.begin() + static_cast<long>(start), notched.end());
        rotated.insert(rotated.end(), notched.begin(), notched.begin() + static_cast<long>(start));
        EXPECT_EQ(coverExactly(rotated, 10.0).size(), 5u);
    }
}

TEST(Triangulation, ACornerOnAStraightRunAddsNoSliver) {
    coverExactly({{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}, 4.0);
}

TEST(Triangulation, KeepsAClockwiseWindingClockwise) {
    // The L as seen from behind: each triangle must face away as well.
    const std::vector<Point3> corners = {{0, 0, 0}, {0, 2, 0}, {1, 2, 0},
                                         {1, 1, 0}, {2, 1, 0}, {2, 0, 0}};
    std::vector<CornerTriangle> triangles;
    ASSERT_TRUE(triangulatePolygon(corners, triangles));
    ASSERT_EQ(triangles.size(), 4u);
    double total = 0;
    for (const CornerTriangle& t : triangles) {
        const Point3& a = corners[t[0]];
        const Point3& b = corners[t[1]];
        const Point3& c = corners[t[2]];
        const double z = ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x)) / 2;
        EXPECT_LT(z, 0);
        total += z;
    }
    EXPECT_DOUBLE_EQ(total, -3.0);
}

TEST(Triangulation, WorksInEveryPlane) {
    // The L standing upright facing -x: corners (0, y, z).
    const std::vector<Point3> corners = {{0, 0, 0}, {0, 0, 2}, {0, 1, 2},
                                         {0, 1, 1}, {0, 2, 1}, {0, 2, 0}};
    std::vector<CornerTriangle> triangles;
    ASSERT_TRUE(triangulatePolygon(corners, triangles));
    const Point3 normal = polygonNormal(corners);
    EXPECT_DOUBLE_EQ(normal.x, -6.0); // twice the area, facing -x
    double total = 0;
    for (const CornerTriangle& t : triangles) {
        const Point3 n = polygonNormal({corners[t[0]], corners[t[1]], corners[t[2]]});
        EXPECT_LT(n.x, 0);
        total += n.x;
    }
    EXPECT_DOUBLE_EQ(total, -6.0);
}

TEST(Triangulation, APolygonCrossingItselfIsReportedButFilled) {
    const std::vector<Point3> bowTie = {{0, 0, 0}, {2, 2, 0}, {2, 0, 0}, {0, 2, 0}};
    std::vector<CornerTriangle> triangles;
    EXPECT_FALSE(triangulatePolygon(bowTie, triangles));
    EXPECT_EQ(triangles.size(), 2u);
}

class ConvertedPolygons : public ConversionTest {};

TEST_F(ConvertedPolygons, ConcaveFacesLoadWithTheirAreaAndWinding) {
    // A U and a convex octagon lying in y = 0 across z = 0, facing up, no
    // corner on the plane; the octagon by relative indices.
    write("level.obj", "v 0 0 -1\nv 0 0 1\nv 1 0 1\nv 1 0 0.5\nv 2 0 0.5\nv 2 0 1\nv 3 0 1\n"
                       "v 3 0 -1\nf 1 2 3 4 5 6 7 8\n"
                       "v 4 0 0.5\nv 5 0 1\nv 6 0 1\nv 7 0 0.5\nv 7 0 -0.5\nv 6 0 -1\n"
                       "v 5 0 -1\nv 4 0 -0.5\nf -8 -7 -6 -5 -4 -3 -2 -1\n");
    const LevelData level = convert("level.obj");
    EXPECT_EQ(level.faces.size(), 12u);
    EXPECT_DOUBLE_EQ(totalArea(level), (5.5 + 5.0) * 64);
    EXPECT_DOUBLE_EQ(facingSum(level).m_y, (5.5 + 5.0) * 64);
    EXPECT_EQ(report.mesh.polygonsTriangulated, 2u);
    EXPECT_EQ(report.mesh.trianglesAdded, 10u);
    // The cut at z = 0 runs through both, x 0 .. 3 and 4 .. 7.
    double cutLength = 0;
    for (const Line2& line : level.collisionLines) {
        cutLength += (line.m_b - line.m_a).length();
    }
    EXPECT_DOUBLE_EQ(cutLength, (3.0 + 3.0) * 8);
}

TEST_F(ConvertedPolygons, AFaceCrossingItselfIsWarnedAboutByLine) {
    write("level.obj", "v 0 0 1\nv 2 0 -1\nv 2 0 1\nv 0 0 -1\nf 1 2 3 4\n");
    convert("level.obj");
    EXPECT_EQ(warnings(),
              "export/level.obj:5: the face crosses itself; its triangles may leave its outline\n");
}

} // namespace
