// cragmoor played through real X input: the player on the floor after the
// start, the view scrolling while D or A is held, the crosshair following the
// mouse, the arrow cursor shown and hidden with Escape, and a clean quit.
// Every wait polls screenshots against a deadline.
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>

#include "PlaySupport.h"
#include "X11Driver.h"

using namespace std::chrono_literals;

namespace {

const char* const CAPTION = "Morr 5: Hell On Kelvale, Engine Demo";
constexpr int WIDTH = 800;
constexpr int HEIGHT = 600;

bool isOverlayBlue(const unsigned char* p) {
    return p[2] > p[0] + 60 && p[2] > p[1] + 60;
}

// Pixels of rows [top, bottom) whose colour differs clearly between shots.
int differingPixels(const Screenshot& a, const Screenshot& b, int top, int bottom) {
    int count = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned char *p = a.at(x, y), *q = b.at(x, y);
            count += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 30;
        }
    return count;
}

class PlayCragmoor : public PlaySession {
  protected:
    PlayCragmoor() : PlaySession("cragmoor", CAPTION, WIDTH, {100, 500}) {}
    // The player's collision overlay near the middle of the screen, where
    // the view keeps it.
    static int playerPixels(const Screenshot& s) {
        return countIn(s, WIDTH / 2 - 20, HEIGHT / 2 - 30, WIDTH / 2 + 20, HEIGHT / 2 + 30,
                       isOverlayBlue);
    }
    // The player has come to rest when two screenshots in a row agree.
    std::optional<Screenshot> waitForPlayerAtRest() {
        std::optional<Screenshot> previous;
        return waitFor([&](const Screenshot& s) {
            const bool same = previous && previous->rgb == s.rgb;
            previous = s;
            return same && playerPixels(s) > 20;
        });
    }
};

TEST_F(PlayCragmoor, PlayerStandsOnTheFloorAfterTheStart) {
    const std::optional<Screenshot> resting = waitForPlayerAtRest();
    ASSERT_TRUE(resting) << "no player came to rest at the middle of the screen";
    // Below the player's feet is the floor: no overlay further down.
    EXPECT_EQ(
        countIn(*resting, WIDTH / 2 - 20, HEIGHT / 2 + 30, WIDTH / 2 + 20, HEIGHT, isOverlayBlue),
        0);
}

TEST_F(PlayCragmoor, HoldingDScrollsTheLevel) {
    const std::optional<Screenshot> before = waitForPlayerAtRest();
    ASSERT_TRUE(before);
    runCommand("xdotool keydown d");
    const auto until = std::chrono::steady_clock::now() + 2s;
    Screenshot held = shot();
    while (std::chrono::steady_clock::now() < until)
        held = shot();
    runCommand("xdotool keyup d");
    // The level fills the lower half; the sky above scrolls too slowly to
    // count on.
    const int changed = differingPixels(*before, held, HEIGHT / 2 + 40, HEIGHT);
    EXPECT_GT(changed, WIDTH * (HEIGHT / 2 - 40) / 10);
    EXPECT_GT(playerPixels(held), 20) << "the view must keep the player in the middle";
}

// Walking left once stopped at the first joint of the start floor, 60 to 90
// units from the start: the view must keep moving for the whole two seconds.
TEST_F(PlayCragmoor, HoldingAScrollsTheLevelInEveryHalfSecond) {
    const std::optional<Screenshot> rested = waitForPlayerAtRest();
    ASSERT_TRUE(rested);
    runCommand("xdotool keydown a");
    Screenshot previous = *rested;
    auto next = std::chrono::steady_clock::now() + 500ms;
    for (int half = 1; half <= 4; ++half) {
        Screenshot now = shot();
        while (std::chrono::steady_clock::now() < next)
            now = shot();
        next += 500ms;
        EXPECT_GT(differingPixels(previous, now, HEIGHT / 2 + 40, HEIGHT),
                  WIDTH * (HEIGHT / 2 - 40) / 20)
            << "the view stood still in half-second " << half;
        previous = now;
    }
    runCommand("xdotool keyup a");
}

TEST_F(PlayCragmoor, CrosshairFollowsTheMouse) {
    ASSERT_TRUE(waitForPlayerAtRest());
    expectCrosshairFollowsTheMouse({200, 450}, {600, 450}, 12, 10);
}

TEST_F(PlayCragmoor, EscapeShowsTheArrowAndEscapeAgainHidesIt) {
    ASSERT_TRUE(waitForPlayerAtRest());
    expectEscapeTogglesTheArrow({600, 450}, 12, 30, 20, 10);
}

TEST_F(PlayCragmoor, F10QuitsWithOnlyTheExpectedDiagnostics) {
    ASSERT_TRUE(waitForPlayerAtRest());
    expectF10QuitsCleanly();
}

} // namespace
