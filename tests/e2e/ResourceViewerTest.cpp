// The resource viewer started from the run directory: its screenshot shows
// art in the grid cells and the font's heading.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

#include "X11Driver.h"

using namespace std::chrono_literals;

namespace {

const int WINDOW_SCALE_NUM = 5, WINDOW_SCALE_DEN = 4; // 800 x 600 over 640 x 480
const int COLUMNS = 8, CELLS = 42;
const int CELL_WIDTH = 80, CELL_HEIGHT = 76, GRID_TOP = 28;

int toWindow(int view) {
    return view * WINDOW_SCALE_NUM / WINDOW_SCALE_DEN;
}

bool isArt(const unsigned char* p) {
    // Background (31, 31, 36) and the cell frames (77, 77, 89) are greys of
    // the viewer's own; anything clearly coloured or bright is art or text.
    const int spread = std::max({p[0], p[1], p[2]}) - std::min({p[0], p[1], p[2]});
    return spread > 40 || p[0] > 150;
}

bool regionHasArt(const Screenshot& shot, int left, int top, int right, int bottom) {
    for (int y = toWindow(top); y < toWindow(bottom); ++y)
        for (int x = toWindow(left); x < toWindow(right); ++x)
            if (isArt(shot.at(x, y)))
                return true;
    return false;
}

int cellsWithArt(const Screenshot& shot) {
    int count = 0;
    for (int cell = 0; cell < CELLS; ++cell) {
        const int left = (cell % COLUMNS) * CELL_WIDTH;
        const int top = GRID_TOP + (cell / COLUMNS) * CELL_HEIGHT;
        // Above the label line, where only the sprite can be.
        if (regionHasArt(shot, left + 4, top + 4, left + CELL_WIDTH - 4, top + CELL_HEIGHT - 20))
            ++count;
    }
    return count;
}

} // namespace

TEST(ResourceViewer, ShowsEverySpriteInAGridWithTheFont) {
    RunningProgram viewer(std::string(RUN_DIR) + "/resource_viewer", RUN_DIR);
    const std::optional<std::string> window = viewer.waitForWindow("Resource viewer", 30s);
    ASSERT_TRUE(window) << viewer.standardError();
    // Poll until the grid is drawn: the first frames may still be empty.
    int best = 0;
    Screenshot shot;
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (best < CELLS && std::chrono::steady_clock::now() < until) {
        shot = takeScreenshot(*window);
        best = std::max(best, cellsWithArt(shot));
    }
    EXPECT_EQ(best, CELLS);
    EXPECT_TRUE(regionHasArt(shot, 4, 4, 200, 20)) << "the heading is printed with the font";
    focusWindow(*window);
    pressKey("F10");
    EXPECT_EQ(viewer.waitForExit(30s), std::optional<int>(0));
}
