// The cut of faces by z = 0 into one-sided collision lines: which faces give
// a line, where it lies, and which way it faces.
#include <gtest/gtest.h>

#include <random>

#include "LevelFaceCut.h"
#include "LevelFiles.h"

namespace {

void expectPoint(const Vector2& p, double x, double y) {
    EXPECT_DOUBLE_EQ(p.m_x, x);
    EXPECT_DOUBLE_EQ(p.m_y, y);
}

TEST(GetPoint, EdgeParallelToThePlaneHasNoCrossing) {
    Vector2 p;
    EXPECT_FALSE(getPoint({0, 0, 0}, {5, 5, 0}, &p));
    EXPECT_FALSE(getPoint({0, 0, 3}, {5, 5, 3}, &p));
}

TEST(GetPoint, CrossingCountsOnlyBetweenTheEnds) {
    Vector2 p;
    EXPECT_TRUE(getPoint({0, 0, -2}, {4, 8, 6}, &p));
    expectPoint(p, 1, 2);
    EXPECT_FALSE(getPoint({0, 0, 2}, {4, 8, 6}, &p));
    EXPECT_TRUE(getPoint({3, 1, 0}, {4, 8, 6}, &p));
    expectPoint(p, 3, 1);
}

TEST(CutFace, FaceInThePlaneGivesNoLine) {
    EXPECT_FALSE(cutFace({0, 0, 0}, {10, 0, 0}, {0, 10, 0}).has_value());
}

TEST(CutFace, FaceOffThePlaneGivesNoLine) {
    EXPECT_FALSE(cutFace({0, 0, 1}, {10, 0, 2}, {0, 10, 3}).has_value());
}

TEST(CutFace, CornerTouchingThePlaneGivesZeroLengthLineThere) {
    const auto line = cutFace({4, 6, 0}, {10, 0, 8}, {0, 10, 8});
    ASSERT_TRUE(line.has_value());
    expectPoint(line->m_a, 4, 6);
    expectPoint(line->m_b, 4, 6);
}

// Scaled z of -8, 8 and 8 with x 0, 0 and 16: the two edges from the first
// corner cross the plane halfway.
TEST(CutFace, FaceAcrossThePlaneGivesTheLineBetweenItsCrossings) {
    const Vector3 a{0, 0, -8}, b{0, 16, 8}, c{16, 0, 8};
    const auto line = cutFace(a, b, c);
    ASSERT_TRUE(line.has_value());
    expectPoint(line->m_a, 8, 0);
    expectPoint(line->m_b, 0, 8);
}

TEST(CutFace, OppositeWindingReversesTheLine) {
    const Vector3 a{0, 0, -8}, b{0, 16, 8}, c{16, 0, 8};
    const auto line = cutFace(a, c, b);
    ASSERT_TRUE(line.has_value());
    expectPoint(line->m_a, 0, 8);
    expectPoint(line->m_b, 8, 0);
}

TEST(CutFace, CornerOnThePlaneGivesLineToTheOppositeCrossing) {
    const auto line = cutFace({2, 2, 0}, {0, 10, -4}, {10, 10, 4});
    ASSERT_TRUE(line.has_value());
    expectPoint(line->m_a, 2, 2);
    expectPoint(line->m_b, 5, 10);
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
        if (!line) {
            continue;
        }
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
