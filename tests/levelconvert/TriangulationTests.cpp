// Polygons of an export cut into triangles: the triangles must cover the
// polygon exactly (no triangle outside it, none overlapping) and keep its
// winding, concave outlines included, whichever plane the polygon lies in
// and whichever corner its list starts at.
#include <gtest/gtest.h>

#include "ConversionTest.h"
#include "PolygonTriangulation.h"

namespace {

struct Flat {
    double x, y;
};

// The polygon's plane placed in space: each axis plane (xy, yz, zx), seen
// from the front for even numbers and from behind for odd ones.
Point3 placed(const Flat& f, int plane) {
    const double y = plane % 2 == 0 ? f.y : -f.y;
    const Point3 inPlanes[] = {{f.x, y, 0}, {0, f.x, y}, {y, 0, f.x}};
    return inPlanes[plane / 2];
}

struct Outline {
    const char* name;
    std::vector<Flat> corners; // counter-clockwise
    std::size_t triangles;
};

class Triangulation : public testing::TestWithParam<Outline> {};

// Every start corner (the first ear differs) in every plane. Each clip
// splits the outline into its triangle and the rest, so the triangles'
// windings add up to the polygon's: when every triangle faces as the
// polygon does, they cover it exactly, none outside it or overlapping.
TEST_P(Triangulation, CoversThePolygonExactlyKeepingItsWinding) {
    const Outline& outline = GetParam();
    for (std::size_t start = 0; start < outline.corners.size(); ++start) {
        for (int plane = 0; plane < 6; ++plane) {
            SCOPED_TRACE("plane " + std::to_string(plane) + ", from corner " +
                         std::to_string(start));
            std::vector<Point3> corners;
            for (std::size_t i = 0; i < outline.corners.size(); ++i) {
                corners.push_back(
                    placed(outline.corners[(start + i) % outline.corners.size()], plane));
            }
            const Point3 facing = polygonNormal(corners);
            std::vector<CornerTriangle> triangles;
            ASSERT_TRUE(triangulatePolygon(corners, triangles));
            ASSERT_EQ(triangles.size(), outline.triangles);
            for (const CornerTriangle& t : triangles) {
                const Point3 n = polygonNormal({corners[t[0]], corners[t[1]], corners[t[2]]});
                EXPECT_GT(n.x * facing.x + n.y * facing.y + n.z * facing.z, 0)
                    << "triangle " << t[0] << " " << t[1] << " " << t[2];
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Outlines, Triangulation,
    testing::Values(
        Outline{"LShape", {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 4},
        Outline{"UShape", {{0, 0}, {3, 0}, {3, 2}, {2, 2}, {2, 1}, {1, 1}, {1, 2}, {0, 2}}, 6},
        Outline{"Notched", {{0, 0}, {4, 0}, {4, 3}, {3, 3}, {2, 1}, {1, 3}, {0, 3}}, 5},
        // A corner on a straight run adds no sliver.
        Outline{"CornerOnAStraightRun", {{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}, 3}),
    [](const testing::TestParamInfo<Outline>& info) { return std::string(info.param.name); });

class ConvertedPolygons : public ConversionTest {};

// Its corners all used, the bow tie still becomes two triangles.
TEST_F(ConvertedPolygons, ACrossingPolygonIsFilledAndWarnedAboutByLine) {
    convertObj("v 0 0 1\nv 2 0 -1\nv 2 0 1\nv 0 0 -1\nf 1 2 3 4\n");
    EXPECT_EQ(notes(), "one space 4, cut 1, added 1, normals 1, planar 4, default "
                       "1\nexport/level.obj:5: the face crosses itself; its triangles may leave "
                       "its outline");
}

} // namespace
