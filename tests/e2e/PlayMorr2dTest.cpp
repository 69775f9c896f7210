// morr2d played through real X input in one session: the tiles and the
// player standing on them after the start, the crosshair following the
// mouse, the arrow cursor shown and hidden with Escape, the player moving
// while D is held, and a clean quit.
#include <chrono>
#include <gtest/gtest.h>
#include <optional>

#include "PlaySupport.h"

using namespace std::chrono_literals;

namespace {

constexpr int MORR2D_WIDTH = 1280;
constexpr int MORR2D_HEIGHT = 960;
// Window pixels per world unit: the 640 x 480 view is stretched.
constexpr int SCALE = 2;

bool isClearBlue(const unsigned char* p) {
    return p[0] < 10 && p[1] < 10 && p[2] > 245;
}
// The tile texture's letters: yellow to orange.
bool isTileLetter(const unsigned char* p) {
    return p[0] > 150 && p[1] > 90 && p[2] < 100;
}
// The player's sprites: neither the clear colour nor the letters nor white.
bool isFigure(const unsigned char* p) {
    return !isClearBlue(p) && p[2] < 150;
}

// The view stays at the level's top-left corner while the player is near
// it, so world units map to window pixels by the scale alone.
int pixelsAt(const Screenshot& s, double worldX, double worldY, double width, double height,
             bool (*kind)(const unsigned char*)) {
    return countIn(s, static_cast<int>(worldX * SCALE), static_cast<int>(worldY * SCALE),
                   static_cast<int>((worldX + width) * SCALE),
                   static_cast<int>((worldY + height) * SCALE), kind);
}
int figurePixelsAt(const Screenshot& s, double worldX, double worldY) {
    return pixelsAt(s, worldX, worldY, 16, 32, isFigure);
}

class PlayMorr2d : public PlaySession {
  protected:
    PlayMorr2d() : PlaySession("morr2d", "Morr 2D", MORR2D_WIDTH, MORR2D_HEIGHT, {900, 300}) {}
};

} // namespace

// The player falls from (76, 100) onto the tile at (64, 176): its box top
// then lies at about y 144. The view settles at its top left clamp (the
// camera follows the crosshair, which the pointer keeps to the upper right),
// so the picture is awaited as a whole: a player crossing y 144 while the
// view still moves is not enough.
TEST_F(PlayMorr2d, StandsOnTheTilesAimsShowsTheMenuWalksAndQuits) {
    const auto standing = [](const Screenshot& s) {
        // Floor tiles at (64, 464) to (144, 464) and the ledge at (0, 240).
        return figurePixelsAt(s, 76, 144) > 150 &&
               pixelsAt(s, 64, 464, 96, 16, isTileLetter) > 200 &&
               pixelsAt(s, 0, 240, 32, 16, isTileLetter) > 20;
    };
    const std::optional<Screenshot> start = waitFor(standing);
    ASSERT_TRUE(start) << "no player standing on the tile below the ledge and the floor";
    EXPECT_EQ(pixelsAt(*start, 162, 464, 44, 16, isTileLetter), 0)
        << "between the floor tiles at 144 and 208 there is nothing";
    EXPECT_EQ(pixelsAt(*start, 300, 300, 16, 32, isClearBlue), 16 * 32 * SCALE * SCALE)
        << "empty level shows the clear colour";

    expectCrosshairFollowsTheMouse({700, 400}, {1000, 700}, 24, 20);
    expectEscapeTogglesTheArrow({1000, 600}, 24, 60, 40, 20);

    ASSERT_TRUE(waitFor(standing));
    runCommand("xdotool keydown d");
    const std::optional<Screenshot> moved =
        waitFor([](const Screenshot& s) { return figurePixelsAt(s, 76, 144) < 20; }, 5s);
    runCommand("xdotool keyup d");
    ASSERT_TRUE(moved) << "holding D, the player stays where it stood";
    EXPECT_GT(countIn(*moved, 0, 0, MORR2D_WIDTH, MORR2D_HEIGHT, isFigure), 150)
        << "and is somewhere else";

    expectF10QuitsCleanly();
}
