// cragmoor's geometry value types as tables of computed against expected
// values: angles from vectors with the five-decimal pi, wrapping, plain
// (never wrapping, never tolerant) arithmetic and comparison; vector
// products, normals and projection; boxes, segments, ellipse normals and the
// two ray tests.
#include "Util/Angles.h"
#include "Util/RayTests.h"
#include "Util/Shapes.h"
#include "Util/Vector2.h"
#include "Util/Vector3.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// Tight enough to tell the five-decimal pi from the true one (they differ in
// the sixth significant digit of every converted angle).
constexpr double TIGHT = 5e-8;

struct Number {
    const char* name;
    double actual, expected, tolerance;
};
struct Plane {
    const char* name;
    Vector2 actual, expected;
    double tolerance;
};
struct Truth {
    const char* name;
    bool actual, expected;
};

void expectNumbers(std::initializer_list<Number> rows) {
    for (const Number& row : rows)
        EXPECT_NEAR(row.actual, row.expected, row.tolerance) << row.name;
}
void expectPlanes(std::initializer_list<Plane> rows) {
    for (const Plane& row : rows) {
        EXPECT_NEAR(row.actual.m_x, row.expected.m_x, row.tolerance) << row.name;
        EXPECT_NEAR(row.actual.m_y, row.expected.m_y, row.tolerance) << row.name;
    }
}
void expectTruths(std::initializer_list<Truth> rows) {
    for (const Truth& row : rows)
        EXPECT_EQ(row.actual, row.expected) << row.name;
}

Degrees compound(Degrees a) {
    ((a += 5) *= 2.0) -= Degrees(40);
    return a /= -5.0;
}

TEST(Angles, DirectionsConversionsWrappingAndArithmetic) {
    expectNumbers({
        {"radians of up", Radians(Vector2(0, -1)).m_radians, 1.5707963267948966, 1e-15},
        {"radians of down wrap by 6.28318", Radians(Vector2(0, 1)).m_radians, 4.7123837, TIGHT},
        {"radians of left: -pi wrapped", Radians(Vector2(-1, 0)).m_radians, 3.1415873, TIGHT},
        {"degrees of up", Degrees(Vector2(0, -1)).m_degrees, 90.000076, 1e-6},
        {"degrees of down", Degrees(Vector2(0, 1)).m_degrees, 269.99992, 1e-5},
        {"constrain -30", Degrees(-30).constrain().m_degrees, 330, 0},
        {"constrain -1080.5", Degrees(-1080.5).constrain().m_degrees, 359.5, 0},
        {"constrain 7 radians", Radians(7.0).constrain().m_radians, 7.0 - 6.28318, 1e-12},
        {"sums never wrap", (Degrees(10) + Degrees(355)).m_degrees, 365, 0},
        {"differences never wrap", (Degrees(10) - 20.0).m_degrees, -10, 0},
        {"compound operators in place", compound(Degrees(10)).m_degrees, 2, 0},
    });
    EXPECT_TRUE(std::signbit(Radians(Vector2(1, 0)).m_radians)) << "right is a negative zero";
    expectTruths({
        {"== is exact", Degrees(0.1 + 0.2) == Degrees(0.3), false},
        {"!= is exact", Degrees(0.1 + 0.2) != 0.3, true},
        {"NaN equals nothing", Degrees(NAN) == Degrees(NAN), false},
    });
}

TEST(Vectors, FromAnglesProductsNormalsAndArithmetic) {
    expectPlanes({
        {"along angle 0", Vector2(Radians(0), 5), {5, 0}, 1e-12},
        // The five-decimal pi leaves its trace.
        {"up", Vector2(Degrees(90), 1), {1.3267949e-6, -0.9999999999991198}, 1e-13},
        {"left", Vector2(Degrees(180), 2), {-2, 0}, 1e-5},
        {"projection onto this", Vector2(2, 0).project(Vector2(3, 4)), {3, 0}, 1e-12},
    });
    expectNumbers({
        {"cross product", Vector2(1, 0).crossProduct(Vector2(0, 1)), 1, 0},
        {"3-D cross product, off (0, 0, 1) by",
         Vector3(1, 0, 0).crossProduct(Vector3(0, 1, 0)).length(Vector3(0, 0, 1)), 0, 0},
        {"direction up", Vector2(0, -2).direction().m_radians, 1.5707963267948966, 1e-15},
        {"to larger y is down", Vector2(5, 5).direction(Vector2(5, 6)).m_radians, 4.7123837, TIGHT},
    });
}

TEST(Shapes, BoxesSegmentsEllipsesAndRayTests) {
    const Box2 overlap(Box2(Vector2(0, 0), Vector2(2, 2)), Box2(Vector2(1, 1), Vector2(3, 3)));
    const Box2 apart(Box2(Vector2(0, 0), Vector2(1, 1)), Box2(Vector2(2, 2), Vector2(3, 3)));
    const Box2 bounds(Ellipsoid2(Vector2(10, 20), Vector2(3, 4)));
    const Box2 box(Vector2(0, 0), Vector2(10, 10));
    const Line2 diagonal(Box2(Vector2(4, 4), Vector2(1, 2)));
    const Ellipsoid2 wide(Vector2(0, 0), Vector2(2, 1));
    expectPlanes({
        {"corners arranged", Box2(Vector2(5, 5), Vector2(1, 1)).m_tl, {1, 1}, 0},
        {"segment's box", Box2(Line2(Vector2(4, 0), Vector2(2, 3))).m_tl, {2, 0}, 0},
        {"overlap", overlap.m_tl, {1, 1}, 0},
        {"no overlap stays unarranged", apart.m_tl, {2, 2}, 0},
        {"arranged copy", apart.rearrange().m_tl, {1, 1}, 0},
        {"ellipse's box", bounds.m_tl, {7, 16}, 0},
        {"box moved", (bounds + Vector2(1, -1)).m_br, {14, 23}, 0},
        {"diagonal from the box's top left", diagonal.m_a, {1, 2}, 0},
        {"ellipse normal at its side", wide.normal(Vector2(2, 0)), {1, 0}, 1e-15},
        {"normal scaled by radii", wide.normal(Vector2(1, 1)), Vector2(0.25, 1).normalize(), 1e-15},
        {"no normal at the centre", Ellipsoid2({3, 3}, {2, 1}).normal(Vector2(3, 3)), {0, 0}, 0},
    });
    expectTruths({
        {"arranged copy leaves the box", apart.m_br.m_x == 1 && apart.m_tl.m_x == 2, true},
        {"touching boxes at x", box.intersect(Box2(Vector2(10, 0), Vector2(20, 10))), true},
        {"apart at x", box.intersect(Box2(Vector2(10.001, 0), Vector2(20, 10))), false},
        {"point on the right border", box.intersect(Vector2(10, 5)), true},
    });
    expectNumbers({
        {"plane ahead", rayTracePlane2({0, 0}, {0, 1}, {0, 5}, {0, -1}), 5, 0},
        {"plane behind", rayTracePlane2({0, 0}, {0, 1}, {0, -3}, {0, 1}), -3, 0},
        {"plane parallel", rayTracePlane2({0, 0}, {1, 0}, {0, 5}, {0, -1}), -1, 0},
        {"circle missed", rayTraceUnitCircle2({-3, 2}, {1, 0}, {0, 0}), -1, 0},
        {"from inside the circle", rayTraceUnitCircle2({0, 0}, {1, 0}, {0, 0}), -1, 1e-15},
        {"circle off-centre", rayTraceUnitCircle2({-3, 0.6}, {1, 0}, {0, 0}), 2.2, 1e-12},
    });
}

} // namespace
