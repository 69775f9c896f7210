// The recorded play-through of the real level, from the start to the far
// wall and back, replayed at three tick fractions: the same key runs, in
// whole ticks, must reach the same checkpoints, and the player must never
// enter the solid on the way. The
// script is data (level_playthrough.txt) so that it can be adjusted when the
// level changes.
#include <SDL/SDL.h>
#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "LevelFixture.h"
#include "PlayScript.h"

namespace {

SDLKey keyOf(char letter) {
    switch (letter) {
    case 'A':
        return SDLK_a;
    case 'D':
        return SDLK_d;
    case 'W':
        return SDLK_w;
    default:
        return SDLK_s;
    }
}

class PlayThrough : public LevelPlay, public testing::WithParamInterface<double> {
  protected:
    // Presses and releases what differs between the keys held and `keys`.
    void hold(const std::string& keys) {
        for (const char letter : std::string("ADWS")) {
            const bool wanted = keys.find(letter) != std::string::npos;
            const bool held = heldKeys.find(letter) != std::string::npos;
            if (wanted && !held)
                world.press(keyOf(letter));
            if (!wanted && held)
                world.release(keyOf(letter));
        }
        heldKeys = keys;
    }

    void play(const PlayLeg& leg) {
        E_Player& player = leg.fromStart ? world.player() : spawnPlayer(Vector2(leg.x, leg.y));
        // A run of n whole ticks lasts n / fraction ticks of this fraction.
        const double fraction = GetParam();
        for (const PlayStep& step : leg.steps) {
            if (step.kind == PlayStep::Check) {
                const Vector2& at = centreOf(player);
                EXPECT_TRUE(at.m_x >= step.x0 && at.m_x <= step.x1 && at.m_y >= step.y0 &&
                            at.m_y <= step.y1)
                    << leg.name << ": missed " << step.name << ", at " << at.m_x << ", " << at.m_y;
                continue;
            }
            hold(step.keys == "-" ? "" : step.keys);
            const int ticks = static_cast<int>(std::lround(step.ticks / fraction));
            for (int tick = 0; tick < ticks; ++tick) {
                world.tick();
                const Ellipsoid2& body = player.getPosition();
                if (insideSolid(outline, body.m_center) || deepestOverlap(outline, body) > 0.01) {
                    ADD_FAILURE() << leg.name << ": inside the solid at " << body.m_center.m_x
                                  << ", " << body.m_center.m_y;
                    return;
                }
            }
        }
        hold("");
    }

    std::string heldKeys;
};

TEST_P(PlayThrough, ReachesEveryCheckpointBothWays) {
    world.engine.controller->setTickFraction(GetParam());
    // The display's real pointer is no input of the script.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    const std::vector<PlayLeg> legs = readPlayScript(PLAY_SCRIPT);
    // One piece, from the start to the far wall and back to the start.
    ASSERT_EQ(legs.size(), 1u);
    play(legs.front());
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
}

INSTANTIATE_TEST_SUITE_P(TickFractions, PlayThrough, testing::Values(1.0, 0.5, 0.37),
                         [](const testing::TestParamInfo<double>& info) {
                             return "fraction" +
                                    std::to_string(static_cast<int>(std::lround(info.param * 100)));
                         });

} // namespace
