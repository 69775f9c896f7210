// Our level as the reach search sees it, with the game's own movement: every
// floor below the top of the world is reached from the start, nothing traps
// the player, walls close both ends; and the routes it prints, read back in
// the play-through format and fed as key presses to the real player, end
// where they promise.
#include <SDL/SDL.h>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

#include "CragmoorWorld.h"
#include "PlayScript.h"
#include "ReachReport.h"

namespace {

TEST(ReachRoutes, EveryFloorIsReachedAndRoutesReplayThroughTheGameToTheirPlace) {
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    std::vector<Line2> lines;
    {
        CragmoorWorld level(REAL_LEVEL);
        level.map().getCollisionLines(&lines, Box2(Vector2(0, 0), Vector2(8999, 8999)));
    }
    const ReachMap reach = exploreReach(lines);
    const ReachSummary summary = summarizeReach(lines, reach);
    EXPECT_TRUE(reach.traps.empty()) << reachReport(reach, summary);
    // Tops at y 0 hang from the top of the world: nothing to stand on.
    for (const FloorStretch& stretch : summary.stretches) {
        std::size_t reached = 0;
        for (const FloorSample& sample : stretch.samples)
            reached += sample.reached ? 1 : 0;
        EXPECT_TRUE(stretch.left.m_y < 1 || reached * 10 >= stretch.samples.size() * 9)
            << "floor from " << stretch.left.m_x << ", " << stretch.left.m_y << " hardly reached";
    }
    // The end walls' faces are at 96 and 7904; the player is 16 wide each side.
    EXPECT_NEAR(summary.leftmost.m_x, 112, 0.01);
    EXPECT_NEAR(summary.rightmost.m_x, 7888, 0.01);

    // The island, on the lowest cliff ledge, and at the far wall.
    for (const Vector2 target : {Vector2(3800, 368), Vector2(7300, 1062), Vector2(7888, 1358)}) {
        std::istringstream script(routeScript(reach, nearestPlace(reach, target), "route"));
        const std::vector<PlayLeg> legs = readPlayScript(script, "the route");
        ASSERT_EQ(legs.size(), 1u);
        CragmoorWorld world(REAL_LEVEL);
        SCOPED_TRACE("to " + std::to_string(target.m_x) + ", " + std::to_string(target.m_y));
        playLeg(world, world.player(), legs.front());
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_ENABLE);
}

} // namespace
