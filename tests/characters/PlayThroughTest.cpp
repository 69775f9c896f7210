// The recorded play-through of the real level, from the start to the far
// wall and back, replayed at three tick fractions: the same key runs, in
// whole ticks, must reach the same checkpoints, and the player must never
// enter the solid on the way. The
// script is data (level_playthrough.txt) so that it can be adjusted when the
// level changes.
#include <SDL/SDL.h>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "CragmoorWorld.h"
#include "PlayScript.h"

namespace {

class PlayThrough : public LevelPlay, public testing::WithParamInterface<double> {};

TEST_P(PlayThrough, ReachesEveryCheckpointBothWays) {
    world.setTickFraction(GetParam());
    // The display's real pointer is no input of the script.
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    std::ifstream script(PLAY_SCRIPT);
    ASSERT_TRUE(script) << "cannot open " << PLAY_SCRIPT;
    const std::vector<PlayLeg> legs = readPlayScript(script, PLAY_SCRIPT);
    // One piece, from the start to the far wall and back to the start.
    ASSERT_EQ(legs.size(), 1u);
    const PlayLeg& leg = legs.front();
    const E_Player& player = world.player();
    playLeg(world, player, leg, GetParam(), [&] {
        const Vector2& at = player.getPosition().m_center;
        if (clearOfSolid(player.getPosition()))
            return true;
        ADD_FAILURE() << leg.name << ": inside the solid at " << at.m_x << ", " << at.m_y;
        return false;
    });
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
}
INSTANTIATE_TEST_SUITE_P(TickFractions, PlayThrough, testing::Values(1.0, 0.5, 0.37),
                         [](const testing::TestParamInfo<double>& info) {
                             return "fraction" +
                                    std::to_string(static_cast<int>(std::lround(info.param * 100)));
                         });

} // namespace
