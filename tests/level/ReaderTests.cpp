// The test-side reader must reject what the game's loader would misread,
// or the level file checks would prove nothing.
#include <gtest/gtest.h>

#include "LevelCut.h"
#include "LevelFileReader.h"

namespace {

const std::string kTriangle = "v  0 0 -1\nv  2 0 1\nv  0 2 1\nvt 0 0 0\nvn 0 0 1\n";

} // namespace

TEST(LevelFileReader, AcceptsATriangleInTheLoadersSubset) {
    const ReadLevel level =
        readObj("mtllib a.mtl\nusemtl rock\n" + kTriangle + "f 1/1/1 2/1/1 3/1/1\n");
    EXPECT_TRUE(level.problems.empty());
    ASSERT_EQ(level.faces.size(), 1u);
    EXPECT_EQ(level.faces[0].material, "rock");
    EXPECT_DOUBLE_EQ(level.worldPositions[1].x, 16.0);
    EXPECT_DOUBLE_EQ(level.worldPositions[2].y, -16.0);
}

TEST(LevelFileReader, RejectsStatementsTheLoaderMisreads) {
    for (const std::string bad : {"v 1 2 3", "vt 0.5 0.5", "f 1/1/1 2/1/1 3/1/1 1/1/1", "f 1 2 3",
                                  "f 1//1 2//1 3//1", "o level", "usemtl"}) {
        const ReadLevel level = readObj(kTriangle + bad + "\n");
        EXPECT_EQ(level.problems.size(), 1u) << bad;
    }
    EXPECT_EQ(readObj(std::string(255, '#') + "\n" + std::string(300, 'v') + "\n").problems.size(),
              2u);
}

TEST(LevelFileReader, RejectsIndicesBeyondTheListsReadSoFar) {
    EXPECT_EQ(readObj(kTriangle + "f 1/1/1 2/1/1 4/1/1\n").problems.size(), 1u);
    EXPECT_EQ(readObj(kTriangle + "f 0/1/1 2/1/1 3/1/1\n").problems.size(), 1u);
    EXPECT_EQ(readObj(kTriangle + "f 1/2/1 2/1/1 3/1/1\n").problems.size(), 1u);
    EXPECT_EQ(readObj("f 1/1/1 2/1/1 3/1/1\n" + kTriangle).problems.size(), 1u);
}

TEST(LevelCutRule, FaceAcrossThePlaneGivesOneLineBetweenTheCrossings) {
    // Scaled z of -8, 8, 8 and x of 0, 0, 16: the two edges from the first corner cross.
    const auto line = cutFace({0, 0, -8}, {0, 10, 8}, {16, 10, 8});
    ASSERT_TRUE(line.has_value());
    EXPECT_DOUBLE_EQ(line->a.y, 5.0);
    EXPECT_DOUBLE_EQ(line->b.y, 5.0);
    EXPECT_DOUBLE_EQ(std::abs(line->a.x - line->b.x), 8.0);
}

TEST(LevelCutRule, FaceInThePlaneGivesNoLine) {
    EXPECT_FALSE(cutFace({0, 0, 0}, {10, 0, 0}, {0, 10, 0}).has_value());
}

TEST(LevelCutRule, FrontNormalOpposesTheFaceNormal) {
    // A floor seen in world units: the face normal (y down) points along +y,
    // into the ground, so the line must face up, -y, out of it.
    const auto line = cutFace({0, 100, 8}, {10, 100, -8}, {0, 100, -8});
    ASSERT_TRUE(line.has_value());
    EXPECT_LT(line->frontNormal().y, -0.99);
    const auto reversed = cutFace({0, 100, 8}, {0, 100, -8}, {10, 100, -8});
    ASSERT_TRUE(reversed.has_value());
    EXPECT_GT(reversed->frontNormal().y, 0.99);
}

TEST(LevelCutRule, ContactDirectionOfAFloorPointsDown) {
    EXPECT_NEAR(contactDirection(CutLine{{10, 0}, {0, 0}}), 270.0, 1e-9);
    EXPECT_NEAR(contactDirection(CutLine{{0, 0}, {10, 0}}), 90.0, 1e-9);
}
