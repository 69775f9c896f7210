// Wall tiles: the strict shape tests, the corner-only rectangle test, the
// unshaped types, the narrowed boxes, the single tick, and the drawn shapes
// read back from the frame.
#include <stdexcept>

#include "Morr2dWorld.h"
#include "Pixels.h"

namespace {

using Wall = Morr2dEmpty;

struct ShapeCase {
    const char* name;
    WallType type;
    double u, v; // the point, from the tile's top left
    bool solid;
};

// Floors are solid below their diagonal, ceilings above it; a point on the
// diagonal is not solid, nor are the square's right and bottom edges.
const ShapeCase POINTS[] = {
    {"rising floor, below", WT_WALL_DUT, 14, 6, true},
    {"rising floor, above", WT_WALL_DUT, 2, 6, false},
    {"rising floor, on the diagonal", WT_WALL_DUT, 8, 8, false},
    {"falling floor, below", WT_WALL_UDT, 2, 6, true},
    {"falling floor, above", WT_WALL_UDT, 14, 6, false},
    {"falling floor, on the diagonal", WT_WALL_UDT, 8, 8, false},
    {"left ceiling, above", WT_WALL_DUB, 2, 6, true},
    {"left ceiling, below", WT_WALL_DUB, 14, 6, false},
    {"right ceiling, above", WT_WALL_UDB, 14, 6, true},
    {"right ceiling, below", WT_WALL_UDB, 2, 6, false},
    {"square, top left corner", WT_WALL, 0, 0, true},
    {"square, right edge", WT_WALL, 16, 4, false},
    {"square, bottom edge", WT_WALL, 4, 16, false},
};

struct RectangleCase {
    const char* name;
    WallType type;
    double left, top, right, bottom; // from the tile's top left
    bool touches;
};

const RectangleCase RECTANGLES[] = {
    {"square, touching its left edge", WT_WALL, -16, 0, 0, 16, false},
    {"square, touching its top edge", WT_WALL, 0, -16, 16, 0, false},
    {"square, a hundredth over its left edge", WT_WALL, -16, 0, 0.01, 16, true},
    {"square, a hundredth over its top edge", WT_WALL, 0, -16, 16, 0.01, true},
    {"rising floor, all corners above the diagonal", WT_WALL_DUT, 1, 1, 5, 5, false},
    {"rising floor, bottom right corner below it", WT_WALL_DUT, 7, 7, 11, 11, true},
};

TEST_F(Wall, ShapesAreStrictRectanglesTouchByTheirCornersOnlyAndHalfTilesHaveNone) {
    for (const ShapeCase& row : POINTS) {
        const E_Wall* tile = world.wall(64, 224, row.type);
        EXPECT_EQ(tile->intersect(64 + row.u, 224 + row.v), row.solid) << row.name;
    }
    for (const RectangleCase& row : RECTANGLES) {
        const E_Wall* tile = world.wall(320, 320, row.type);
        EXPECT_EQ(tile->intersect(320 + row.left, 320 + row.top, 320 + row.right, 320 + row.bottom),
                  row.touches)
            << row.name;
    }
    // The half tiles keep a narrowed box and have no shape of their own.
    const E_Wall* half = world.wall(0, 0, WT_WALL_DUT_H);
    EXPECT_EQ(half->getBboxU(), 8);
    EXPECT_EQ(world.wall(100, 0, WT_WALL_UDB_H)->getBboxD(), 8);
    EXPECT_EQ(world.wall(200, 0, WT_WALL_DUT_V)->getBboxL(), 8);
    EXPECT_EQ(world.wall(300, 0, WT_WALL_DUB_V)->getBboxR(), 8);
    const E_Wall* other = world.wall(400, 0, WT_WALL_DUT_V2);
    EXPECT_EQ(other->getBboxL(), 0);
    EXPECT_EQ(other->getBboxR(), 16);
    try {
        half->intersect(4, 12);
        FAIL() << "no exception";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Invalid wall type");
    }
    EXPECT_FALSE(half->intersect(4, 4)) << "outside the narrowed box: no shape test";
    EXPECT_THROW(half->intersect(0, 10, 4, 14), std::runtime_error);
}

// A wall ticks once, to leave the active list, and stays in the world to be
// found and drawn. The triangles are drawn as quads with a repeated corner:
// the solid part shows the tile texture, the rest the clear colour.
TEST_F(Wall, TicksOnceAndTrianglesDrawTheirSolidPartOnly) {
    E_Wall* walls[] = {world.wall(64, 64, WT_WALL_DUT), world.wall(128, 64, WT_WALL_UDT),
                       world.wall(192, 64)};
    world.ticks(2);
    EXPECT_FALSE(walls[2]->getActive());
    EXPECT_TRUE(world.map().isEntityAt(196, 68, 200, 72, EN_WALL));
    world.map().gameFrame();
    EXPECT_EQ(world.engine.video->drawListSize(), 4u) << "the walls and the placeholder";
    world.engine.video->drawList();

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
