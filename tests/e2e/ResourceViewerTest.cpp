// The resource viewer started from the run directory: its screenshot shows
// art in every grid cell and the font's heading, and F10 ends it.
#include <algorithm>
#include <gtest/gtest.h>

#include "PlaySupport.h"

namespace {

const int COLUMNS = 8, CELLS = 42;
const int CELL_WIDTH = 80, CELL_HEIGHT = 76, GRID_TOP = 28;

bool isArt(const unsigned char* p) {
    // Background (31, 31, 36) and the cell frames (77, 77, 89) are greys of
    // the viewer's own; anything clearly coloured or bright is art or text.
    const int spread = std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]});
    return spread > 40 || p[0] > 150;
}

bool regionHasArt(const Screenshot& shot, int left, int top, int right, int bottom) {
    // The 640 x 480 view is stretched over the 800 x 600 window.
    return countIn(shot, left * 5 / 4, top * 5 / 4, right * 5 / 4, bottom * 5 / 4, isArt) > 0;
}

int cellsWithArt(const Screenshot& shot) {
    int count = 0;
    for (int cell = 0; cell < CELLS; ++cell) {
        const int left = (cell % COLUMNS) * CELL_WIDTH;
        const int top = GRID_TOP + (cell / COLUMNS) * CELL_HEIGHT;
        // Above the label line, where only the sprite can be.
        count +=
            regionHasArt(shot, left + 4, top + 4, left + CELL_WIDTH - 4, top + CELL_HEIGHT - 20);
    }
    return count;
}

class ResourceViewer : public PlaySession {
  protected:
    ResourceViewer() : PlaySession("resource_viewer", "Resource viewer", 800, 600, {790, 590}) {}
};

} // namespace

TEST_F(ResourceViewer, ShowsEverySpriteInAGridWithTheFont) {
    // The first frames may still be empty.
    const std::optional<Screenshot> grid =
        waitFor([](const Screenshot& s) { return cellsWithArt(s) == CELLS; });
    ASSERT_TRUE(grid) << "not every cell shows its sprite";
    EXPECT_TRUE(regionHasArt(*grid, 4, 4, 200, 20)) << "the heading is printed with the font";
    pressKey("F10");
    EXPECT_EQ(game.waitForExit(std::chrono::seconds(30)), std::optional<int>(0));
    window.reset();
}
