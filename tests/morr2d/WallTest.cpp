// Wall tiles: the strict shape tests, the corner-only rectangle test, the
// unshaped types, the narrowed boxes, the single tick, and the drawn shapes
// read back from the frame.
#include <gtest/gtest.h>
#include <stdexcept>

#include "BoxWorld.h"
#include "Pixels.h"

namespace {

class Wall : public testing::Test {
  protected:
    BoxWorld world;
};

TEST_F(Wall, RisingFloorIsSolidBelowItsDiagonalOnly) {
    E_Wall* wall = world.wall(64, 224, WT_WALL_DUT);
    EXPECT_TRUE(wall->intersect(78, 230)) << "u 14, v 6";
    EXPECT_FALSE(wall->intersect(66, 230)) << "u 2, v 6";
    EXPECT_FALSE(wall->intersect(72, 232)) << "on the diagonal";
}

TEST_F(Wall, FallingFloorIsSolidBelowItsDiagonalOnly) {
    E_Wall* wall = world.wall(64, 224, WT_WALL_UDT);
    EXPECT_TRUE(wall->intersect(66, 230)) << "u 2, v 6";
    EXPECT_FALSE(wall->intersect(78, 230)) << "u 14, v 6";
    EXPECT_FALSE(wall->intersect(72, 232)) << "on the diagonal";
}

TEST_F(Wall, CeilingsAreSolidAboveTheirDiagonals) {
    E_Wall* left = world.wall(0, 0, WT_WALL_DUB);
    E_Wall* right = world.wall(32, 0, WT_WALL_UDB);
    EXPECT_TRUE(left->intersect(2, 6));
    EXPECT_FALSE(left->intersect(14, 6));
    EXPECT_TRUE(right->intersect(32 + 14, 6));
    EXPECT_FALSE(right->intersect(32 + 2, 6));
}

TEST_F(Wall, PointTestIsHalfOpen) {
    E_Wall* wall = world.wall(16, 16);
    EXPECT_TRUE(wall->intersect(16, 16));
    EXPECT_FALSE(wall->intersect(32, 20)) << "right edge excluded";
    EXPECT_FALSE(wall->intersect(20, 32)) << "bottom edge excluded";
}

TEST_F(Wall, TouchingEdgesDoNotIntersectButAHundredthDoes) {
    E_Wall* wall = world.wall(100, 100);
    EXPECT_FALSE(wall->intersect(84, 100, 100, 116)) << "left edge";
    EXPECT_FALSE(wall->intersect(100, 84, 116, 100)) << "top edge";
    EXPECT_TRUE(wall->intersect(84, 100, 100.01, 116));
    EXPECT_TRUE(wall->intersect(100, 84, 116, 100.01));
}

TEST_F(Wall, OnlyCornersTouchATriangle) {
    E_Wall* wall = world.wall(64, 224, WT_WALL_DUT);
    // All four corners above the diagonal, overlapping the tile's box.
    EXPECT_FALSE(wall->intersect(65, 225, 69, 229));
    // The same size with its bottom-right corner below it.
    EXPECT_TRUE(wall->intersect(71, 231, 75, 235));
}

TEST_F(Wall, UnshapedTypesThrowAndKeepNarrowedBoxes) {
    E_Wall* half = world.wall(0, 0, WT_WALL_DUT_H);
    EXPECT_EQ(half->getBboxU(), 8);
    try {
        half->intersect(4, 12);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Invalid wall type");
    }
    EXPECT_FALSE(half->intersect(4, 4)) << "outside the narrowed box: no shape test";
    EXPECT_THROW(half->intersect(0, 10, 4, 14), std::runtime_error);
    EXPECT_EQ(world.wall(100, 0, WT_WALL_UDB_H)->getBboxD(), 8);
    EXPECT_EQ(world.wall(200, 0, WT_WALL_DUT_V)->getBboxL(), 8);
    EXPECT_EQ(world.wall(300, 0, WT_WALL_DUB_V)->getBboxR(), 8);
    E_Wall* other = world.wall(400, 0, WT_WALL_DUT_V2);
    EXPECT_EQ(other->getBboxL(), 0);
    EXPECT_EQ(other->getBboxR(), 16);
}

TEST_F(Wall, TicksOnceAndStaysInTheWorld) {
    E_Wall* wall = world.wall(100, 100);
    EXPECT_TRUE(wall->getActive());
    world.tick();
    EXPECT_FALSE(wall->getActive());
    world.tick();
    EXPECT_TRUE(world.map().isEntityAt(104, 104, 108, 108, EN_WALL));
    world.map().gameFrame();
    EXPECT_EQ(world.engine.video->drawListSize(), 2u) << "the wall and the placeholder";
    world.engine.video->drawList();
}

// The triangles are drawn as quads with a repeated corner: the solid part
// shows the tile texture, the rest the clear colour.
TEST_F(Wall, TrianglesDrawTheirSolidPartOnly) {
    world.map().viewSetX(320);
    world.map().viewSetY(240);
    E_Wall* walls[] = {world.wall(64, 64, WT_WALL_DUT), world.wall(128, 64, WT_WALL_UDT),
                       world.wall(192, 64)};
    // Drawn straight into the back buffer, where the test reads them.
    glClear(GL_COLOR_BUFFER_BIT);
    for (E_Wall* wall : walls)
        wall->draw();
    const int height = SDL_GetVideoSurface()->h;
    const double scale = height / 480.0;
    const auto at = [&](double x, double y) {
        return pixelAt(static_cast<int>(x * scale), static_cast<int>(y * scale), height);
    };
    const Rgb clear = at(400, 400);
    EXPECT_EQ(at(64 + 3, 64 + 3), clear) << "above the rising floor's diagonal";
    EXPECT_NE(at(64 + 13, 64 + 13), clear) << "below it";
    EXPECT_NE(at(128 + 3, 64 + 13), clear) << "below the falling floor's diagonal";
    EXPECT_EQ(at(128 + 13, 64 + 3), clear) << "above it";
    int textured = 0;
    for (int y = 1; y < 15; ++y)
        for (int x = 1; x < 15; ++x)
            textured += at(192 + x, 64 + y) != clear;
    EXPECT_GT(textured, 14 * 14 / 2) << "the square is covered";
}

} // namespace
