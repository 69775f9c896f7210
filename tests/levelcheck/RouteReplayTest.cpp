// The routes the reach search prints, replayed through the real game on our
// level: read back in the play-through format, fed as key presses to the
// real player, they end where they promise.
#include <SDL/SDL.h>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

#include "CragmoorWorld.h"
#include "PlayScript.h"
#include "ReachReport.h"

namespace {

// Plays a leg from the level's start at the tick fraction 1.0, checking its
// checks.
void replay(CragmoorWorld& world, const PlayLeg& leg) {
    std::string held;
    for (const PlayStep& step : leg.steps) {
        const Vector2& at = world.player().getPosition().m_center;
        if (step.kind == PlayStep::Check) {
            EXPECT_TRUE(at.m_x >= step.x0 && at.m_x <= step.x1 && at.m_y >= step.y0 &&
                        at.m_y <= step.y1)
                << leg.name << ": ended at " << at.m_x << ", " << at.m_y;
            continue;
        }
        // "-" (no key) holds none of the letters.
        for (const char letter : std::string("ADW")) {
            const bool wanted = step.keys.find(letter) != std::string::npos;
            const SDLKey key = letter == 'A' ? SDLK_a : letter == 'D' ? SDLK_d : SDLK_w;
            if (wanted && held.find(letter) == std::string::npos)
                world.press(key);
            else if (!wanted && held.find(letter) != std::string::npos)
                world.release(key);
        }
        held = step.keys;
        world.ticks(step.ticks);
    }
}

TEST(ReachRoutes, ReplayThroughTheGameToThePlaceTheyPromise) {
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    std::vector<Line2> lines;
    {
        CragmoorWorld level(REAL_LEVEL);
        level.map().getCollisionLines(&lines, Box2(Vector2(0, 0), Vector2(8999, 8999)));
    }
    const ReachMap reach = exploreReach(lines);
    // The island, on the lowest cliff ledge, and at the far wall.
    for (const Vector2 target : {Vector2(3800, 368), Vector2(7300, 1062), Vector2(7888, 1358)}) {
        const std::string path = testing::TempDir() + "route.txt";
        std::ofstream(path) << routeScript(reach, nearestPlace(reach, target), "route");
        const std::vector<PlayLeg> legs = readPlayScript(path);
        ASSERT_EQ(legs.size(), 1u);
        CragmoorWorld world(REAL_LEVEL);
        SCOPED_TRACE("to " + std::to_string(target.m_x) + ", " + std::to_string(target.m_y));
        replay(world, legs.front());
        std::remove(path.c_str());
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
}

} // namespace
