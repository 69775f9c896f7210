// The cut of faces by z = 0 into one-sided collision lines: which faces give
// a line, where it lies, and which way it faces.
#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "LevelFaceCut.h"
#include "LevelFiles.h"

namespace {

void expectPoint(const Vector2& p, double x, double y) {
    EXPECT_DOUBLE_EQ(p.m_x, x);
    EXPECT_DOUBLE_EQ(p.m_y, y);
}

TEST(GetPoint, CrossingCountsOnlyBetweenTheEndsOfAnEdgeNotAlongThePlane) {
    const struct {
        Vector3 a, b;
        std::optional<Vector2> crossing;
    } rows[] = {
        {{0, 0, 0}, {5, 5, 0}, std::nullopt},
        {{0, 0, 3}, {5, 5, 3}, std::nullopt},
        {{0, 0, -2}, {4, 8, 6}, Vector2(1, 2)},
        {{0, 0, 2}, {4, 8, 6}, std::nullopt},
        {{3, 1, 0}, {4, 8, 6}, Vector2(3, 1)},
        // Level in y: only x tells that the plane lies beyond its end.
        {{0, 5, 2}, {4, 5, 6}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "edge from z " << row.a.m_z << " to " << row.b.m_z);
        Vector2 p;
        ASSERT_EQ(getPoint(row.a, row.b, &p), row.crossing.has_value());
        if (row.crossing)
            expectPoint(p, row.crossing->m_x, row.crossing->m_y);
    }
}

// Scaled z of -8, 8 and 8 with x 0, 0 and 16: the two edges from the first
// corner cross the plane halfway; the opposite winding reverses the line.
TEST(CutFace, FacesGiveTheLineBetweenTheirCrossingsOrNone) {
    const struct {
        const char* name;
        Vector3 a, b, c;
        std::optional<Line2> line;
    } rows[] = {
        {"in the plane", {0, 0, 0}, {10, 0, 0}, {0, 10, 0}, std::nullopt},
        {"off the plane", {0, 0, 1}, {10, 0, 2}, {0, 10, 3}, std::nullopt},
        {"corner touching", {4, 6, 0}, {10, 0, 8}, {0, 10, 8}, Line2({4, 6}, {4, 6})},
        {"across", {0, 0, -8}, {0, 16, 8}, {16, 0, 8}, Line2({8, 0}, {0, 8})},
        {"across, wound the other way", {0, 0, -8}, {16, 0, 8}, {0, 16, 8}, Line2({0, 8}, {8, 0})},
        {"corner on the plane", {2, 2, 0}, {0, 10, -4}, {10, 10, 4}, Line2({2, 2}, {5, 10})},
        // Both edges from that corner cross there: the order the edges are
        // tried in must still reach the opposite edge.
        {"second corner on the plane", {10, 10, 4}, {2, 2, 0}, {0, 10, -4}, Line2({2, 2}, {5, 10})},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto line = cutFace(row.a, row.b, row.c);
        ASSERT_EQ(line.has_value(), row.line.has_value());
        if (line) {
            expectPoint(line->m_a, row.line->m_a.m_x, row.line->m_a.m_y);
            expectPoint(line->m_b, row.line->m_b.m_x, row.line->m_b.m_y);
        }
    }
}

// Whatever the face, the line's front side looks away from the face's
// outside, so an entity meets the solid only from outside.
TEST(CutFace, FrontNormalNeverAgreesWithTheFaceNormal) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> coordinate(-100, 100);
    int lines = 0;
    for (int i = 0; i < 10000; ++i) {
        const Vector3 a{coordinate(random), coordinate(random), coordinate(random)};
        const Vector3 b{coordinate(random), coordinate(random), coordinate(random)};
        const Vector3 c{coordinate(random), coordinate(random), coordinate(random)};
        const auto line = cutFace(a, b, c);
        if (!line)
            continue;
        ++lines;
        const Vector3 faceNormal = (b - a).crossProduct(c - a);
        const Vector2 front = (line->m_b - line->m_a).rNormal();
        EXPECT_LE(front.m_x * faceNormal.m_x + front.m_y * faceNormal.m_y, 0.0);
    }
    EXPECT_GT(lines, 1000);
}

TEST_F(LevelReaderTest, EachFaceAcrossThePlaneGivesOneLineInFaceOrder) {
    // File positions are scaled by 8 with y flipped: corners (0, 0, -8),
    // (0, 16, 8) and (16, 0, 8) in world units.
    const LevelData level = read("v  0 0 -1\nv  0 -2 1\nv  2 0 1\nv  5 5 0\nv  6 5 0\nv  9 9 2\n"
                                 "vt 0 0 0\nvn 0 0 1\n"
                                 "f 4/1/1 5/1/1 1/1/1\n"
                                 "f 1/1/1 2/1/1 3/1/1\n"
                                 "f 2/1/1 3/1/1 6/1/1\n");
    ASSERT_EQ(level.collisionLines.size(), 2u);
    EXPECT_EQ(level.collisionLineFace, (std::vector<std::size_t>{0, 1}));
    expectPoint(level.collisionLines[0].m_a, 48, -40);
    expectPoint(level.collisionLines[0].m_b, 40, -40);
    expectPoint(level.collisionLines[1].m_a, 8, 0);
    expectPoint(level.collisionLines[1].m_b, 0, 8);
}

} // namespace
