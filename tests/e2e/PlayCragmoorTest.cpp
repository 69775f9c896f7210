// cragmoor played through real X input in one session: the player on the
// floor after the start, the crosshair following the mouse, the arrow cursor
// shown and hidden with Escape, the view scrolling while A or D is held, and
// a clean quit.
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <thread>

#include "PlaySupport.h"

using namespace std::chrono_literals;

namespace {

constexpr int CRAGMOOR_WIDTH = 800;
constexpr int CRAGMOOR_HEIGHT = 600;
// Rows of the level, below the player; the sky above scrolls too slowly to
// count on.
constexpr int LEVEL_TOP = CRAGMOOR_HEIGHT / 2 + 40;

bool isOverlayBlue(const unsigned char* p) {
    return p[2] > p[0] + 60 && p[2] > p[1] + 60;
}

// Pixels of the level rows whose colour differs clearly between shots.
int scrolledPixels(const Screenshot& a, const Screenshot& b) {
    int count = 0;
    for (int y = LEVEL_TOP; y < CRAGMOOR_HEIGHT; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned char *p = a.at(x, y), *q = b.at(x, y);
            count += std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) > 30;
        }
    return count;
}

class PlayCragmoor : public PlaySession {
  protected:
    PlayCragmoor()
        : PlaySession("cragmoor", "Morr 5: Hell On Kelvale, Engine Demo", CRAGMOOR_WIDTH,
                      CRAGMOOR_HEIGHT, {100, 500}) {}
    // The player's collision overlay near the middle of the screen, where
    // the view keeps it.
    static int playerPixels(const Screenshot& s) {
        return countIn(s, CRAGMOOR_WIDTH / 2 - 20, CRAGMOOR_HEIGHT / 2 - 30,
                       CRAGMOOR_WIDTH / 2 + 20, CRAGMOOR_HEIGHT / 2 + 30, isOverlayBlue);
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

} // namespace

TEST_F(PlayCragmoor, StandsAimsShowsTheMenuWalksBothWaysAndQuits) {
    const std::optional<Screenshot> resting = waitForPlayerAtRest();
    ASSERT_TRUE(resting) << "no player came to rest at the middle of the screen";
    EXPECT_EQ(countIn(*resting, CRAGMOOR_WIDTH / 2 - 20, CRAGMOOR_HEIGHT / 2 + 30,
                      CRAGMOOR_WIDTH / 2 + 20, CRAGMOOR_HEIGHT, isOverlayBlue),
              0)
        << "below the player's feet is the floor: no overlay further down";

    expectCrosshairFollowsTheMouse({200, 450}, {600, 450}, 12, 10);
    expectEscapeTogglesTheArrow({600, 400}, 12, 30, 20, 10);
    moveMouse(100, 500);

    // Walking left once stopped at the first joint of the start floor, 60 to
    // 90 units from the start: the view must keep moving for two seconds,
    // then as long walking back, with the player kept in the middle. Each
    // screenshot is taken once its half second is over (a screenshot can
    // take longer than that on a busy machine).
    for (const std::string key : {"a", "d"}) {
        SCOPED_TRACE("holding " + key);
        std::optional<Screenshot> previous = waitForPlayerAtRest();
        ASSERT_TRUE(previous);
        runCommand("xdotool keydown " + key);
        auto next = std::chrono::steady_clock::now();
        for (int half = 1; half <= 4; ++half) {
            std::this_thread::sleep_until(next += 500ms);
            const Screenshot now = shot();
            EXPECT_GT(scrolledPixels(*previous, now),
                      CRAGMOOR_WIDTH * (CRAGMOOR_HEIGHT - LEVEL_TOP) / 20)
                << "the view stood still in half-second " << half;
            previous = now;
        }
        runCommand("xdotool keyup " + key);
        EXPECT_GT(playerPixels(*previous), 20) << "the view must keep the player in the middle";
    }

    expectF10QuitsCleanly();
}
