// morr2d played through real X input: the tiles and the player on screen
// after the start, the player moving while D is held, the crosshair
// following the mouse, the arrow cursor shown and hidden with Escape, and a
// clean quit. Every wait polls screenshots against a deadline.
#include <algorithm>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>

#include "PlaySupport.h"
#include "X11Driver.h"

using namespace std::chrono_literals;

namespace {

const char* const CAPTION = "Morr 2D";
constexpr int WIDTH = 1280;
constexpr int HEIGHT = 960;
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
int figurePixelsAt(const Screenshot& s, double worldX, double worldY) {
    return countIn(s, static_cast<int>(worldX * SCALE), static_cast<int>(worldY * SCALE),
                   static_cast<int>((worldX + 16) * SCALE), static_cast<int>((worldY + 32) * SCALE),
                   isFigure);
}

class PlayMorr2d : public PlaySession {
  protected:
    PlayMorr2d() : PlaySession("morr2d", CAPTION, WIDTH, {900, 300}) {}
    // The player falls from (76, 100) onto the tile at (64, 176): its box
    // top then lies at about y 144. The floor tiles at their place say that
    // the view has settled at its clamp (the camera follows the crosshair).
    std::optional<Screenshot> waitForPlayerStanding() {
        return waitFor([](const Screenshot& s) {
            return figurePixelsAt(s, 76, 144) > 150 &&
                   countIn(s, 64 * SCALE, 464 * SCALE, 160 * SCALE, 480 * SCALE, isTileLetter) >
                       200;
        });
    }
};

// The view settles at its top left clamp (the camera follows the crosshair,
// which the pointer keeps to the upper right), so the picture is awaited as a
// whole: a player crossing y 144 while the view still moves is not enough.
TEST_F(PlayMorr2d, ShowsTheTilesAndThePlayerStandingOnThem) {
    // Floor tiles at (64, 464) to (144, 464) and the ledge at (0, 240).
    const auto floorTiles = [](const Screenshot& s) {
        return countIn(s, 64 * SCALE, 464 * SCALE, 160 * SCALE, 480 * SCALE, isTileLetter);
    };
    const auto ledge = [](const Screenshot& s) {
        return countIn(s, 0, 240 * SCALE, 32 * SCALE, 256 * SCALE, isTileLetter);
    };
    const std::optional<Screenshot> standing = waitFor([&](const Screenshot& s) {
        return figurePixelsAt(s, 76, 144) > 150 && floorTiles(s) > 200 && ledge(s) > 20;
    });
    ASSERT_TRUE(standing) << "no player standing on the tile below the ledge and the floor";
    EXPECT_EQ(standing->width, WIDTH);
    EXPECT_EQ(standing->height, HEIGHT);
    // Between the floor tiles at 144 and 208 there is nothing.
    EXPECT_EQ(countIn(*standing, 162 * SCALE, 464 * SCALE, 206 * SCALE, 480 * SCALE, isTileLetter),
              0);
    EXPECT_EQ(figurePixelsAt(*standing, 300, 300), 0);
}

TEST_F(PlayMorr2d, HoldingDMovesThePlayer) {
    const std::optional<Screenshot> before = waitForPlayerStanding();
    ASSERT_TRUE(before);
    runCommand("xdotool keydown d");
    const std::optional<Screenshot> moved =
        waitFor([](const Screenshot& s) { return figurePixelsAt(s, 76, 144) < 20; }, 5s);
    runCommand("xdotool keyup d");
    ASSERT_TRUE(moved) << "the player is still where it stood";
    EXPECT_GT(countIn(*moved, 0, 0, WIDTH, HEIGHT, isFigure), 150) << "and is somewhere else";
}

TEST_F(PlayMorr2d, CrosshairFollowsTheMouse) {
    ASSERT_TRUE(waitForPlayerStanding());
    expectCrosshairFollowsTheMouse({700, 400}, {1000, 700}, 24, 20);
}

TEST_F(PlayMorr2d, EscapeShowsTheArrowAndEscapeAgainHidesIt) {
    ASSERT_TRUE(waitForPlayerStanding());
    expectEscapeTogglesTheArrow({1000, 600}, 24, 60, 40, 20);
}

TEST_F(PlayMorr2d, F10QuitsWithOnlyTheExpectedDiagnostics) {
    ASSERT_TRUE(waitForPlayerStanding());
    expectF10QuitsCleanly();
}

} // namespace
