// The map controller of morr2d: chunk lookups, the view, the tick and the
// frame passes, the rectangle query, the debug dumps and the fixed level.
#include <gtest/gtest.h>
#include <list>
#include <set>
#include <stdexcept>

#include "BoxWorld.h"
#include "Entities/Items/E_Shotgun.h"

namespace {

std::list<unsigned> chunksOf(MapController& map, double left, double top, double right,
                             double bottom) {
    std::list<unsigned> chunks;
    map.getLevelChunk(&chunks, left, top, right, bottom);
    return chunks;
}

class Map : public testing::Test {
  protected:
    BoxWorld world;
};

TEST_F(Map, PointLookupsClampIntoTheLevel) {
    EXPECT_EQ(world.map().getLevelChunk(-5, -5), 0u);
    EXPECT_EQ(world.map().getLevelChunk(999, 999), 24u);
    EXPECT_EQ(world.map().getLevelChunk(2000, 0), 4u);
    EXPECT_EQ(world.map().getLevelChunk(240, 240), 6u);
    std::list<unsigned> appended{7};
    world.map().getLevelChunk(&appended, 1e12, -1e12);
    EXPECT_EQ(appended, (std::list<unsigned>{7, 4}));
}

TEST_F(Map, RectangleLookupsGoRowByRow) {
    EXPECT_EQ(chunksOf(world.map(), 230, 10, 250, 20), (std::list<unsigned>{0, 1}));
    std::list<unsigned> all;
    for (unsigned chunk = 0; chunk < 25; ++chunk)
        all.push_back(chunk);
    EXPECT_EQ(chunksOf(world.map(), 0, 0, 999, 999), all);
    EXPECT_EQ(chunksOf(world.map(), -500, 5000, -100, 6000), (std::list<unsigned>{20}));
}

TEST_F(Map, InvertedRectangleThrows) {
    std::list<unsigned> chunks;
    EXPECT_THROW(world.map().getLevelChunk(&chunks, 10, 0, 5, 5), std::runtime_error);
    try {
        world.map().getLevelChunk(&chunks, 0, 10, 5, 5);
        FAIL();
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Get level chunk box invalid");
    }
}

TEST_F(Map, ViewStaysInsideTheLevel) {
    world.map().viewSetX(0);
    EXPECT_EQ(world.map().viewGetX(), 320);
    world.map().viewSetX(900);
    EXPECT_EQ(world.map().viewGetX(), 679);
    world.map().viewSetY(100);
    EXPECT_EQ(world.map().viewGetY(), 240);
    world.map().viewSetY(5000);
    EXPECT_EQ(world.map().viewGetY(), 759);
    world.map().viewSetX(500);
    world.map().viewSetY(400);
    EXPECT_EQ(world.map().viewGetLeft(), 180);
    EXPECT_EQ(world.map().viewGetTop(), 160);
}

TEST_F(Map, EntityInTwoVisibleChunksIsQueuedOnce) {
    world.map().viewSetX(320);
    world.map().viewSetY(240);
    new CountingBox(&world.map(), 230, 100, 0, 0, 20, 20);
    new CountingBox(&world.map(), 100, 100, 0, 0, 20, 20);
    new CountingBox(&world.map(), 900, 900, 0, 0, 20, 20);
    world.map().gameFrame();
    // The two boxes in view; the placeholder at the origin as well.
    EXPECT_EQ(world.engine.video->drawListSize(), 3u);
    world.engine.video->drawList();
    world.map().gameFrame();
    EXPECT_EQ(world.engine.video->drawListSize(), 3u) << "queued again in the next frame";
    world.engine.video->drawList();
}

TEST_F(Map, InactiveEntitiesAreStillDrawn) {
    auto* box = new CountingBox(&world.map(), 100, 100, 0, 0, 20, 20);
    box->setActive(false);
    world.map().gameFrame();
    world.engine.video->drawList();
    EXPECT_EQ(box->draws, 1);
}

TEST_F(Map, EntityDeactivatingItselfDoesNotSkipTheNext) {
    auto* first = new CountingBox(&world.map(), 100, 100, 0, 0, 10, 10);
    auto* second = new CountingBox(&world.map(), 200, 100, 0, 0, 10, 10);
    first->deactivateInTick = true;
    world.tick();
    EXPECT_EQ(first->ticks, 1);
    EXPECT_EQ(second->ticks, 1);
    world.tick();
    EXPECT_EQ(first->ticks, 1);
    EXPECT_EQ(second->ticks, 2);
    EXPECT_EQ(world.map().getGameTickCounter(), 2u);
}

TEST_F(Map, RectangleQueryFindsWallsByShapeAndOthersByBox) {
    world.wall(64, 224, WT_WALL_DUT);
    new CountingBox(&world.map(), 300, 300, 0, 0, 10, 10);
    EXPECT_TRUE(world.map().isEntityAt(76, 228, 80, 232, EN_WALL));
    EXPECT_FALSE(world.map().isEntityAt(64, 224, 66, 226, EN_WALL)) << "above the diagonal";
    EXPECT_FALSE(world.map().isEntityAt(295, 295, 305, 305, EN_WALL)) << "not a wall";
    EXPECT_TRUE(world.map().isEntityAt(295, 295, 305, 305, EN_CHARACTER));
    EXPECT_TRUE(world.map().isEntityAt(295, 295, 305, 305, EN_ENTITY));
    EXPECT_FALSE(world.map().isEntityAt(295, 295, 300, 300, EN_PLAYER)) << "not a player";
    EXPECT_FALSE(world.map().isEntityAt(290, 290, 300, 300, EN_CHARACTER)) << "touching only";
}

TEST_F(Map, DebugDumpsListPositions) {
    new CountingBox(&world.map(), 12.5, 7, 0, 0, 1, 1);
    testing::internal::CaptureStdout();
    world.map().DEBUG_activeEntities();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "==Active Entities==\n\t(12.5, 7)\n");
    testing::internal::CaptureStdout();
    world.map().DEBUG_levelEntities();
    const std::string levels = testing::internal::GetCapturedStdout();
    EXPECT_EQ(
        levels.rfind("==Level Chunk Contents==\n\t=Level Chunk 0=\n\t\t(0, 0)\n\t\t(12.5, 7)\n"
                     "\t=Level Chunk 1=\n",
                     0),
        0u)
        << levels;
}

// Nothing is below the fixed level's floor: whatever falls out keeps
// falling at the capped speed. The lookups clamp, so it stays filed in the
// bottom row and the world keeps working.
TEST_F(Map, ObjectFallingOutOfTheLevelForAnHourBreaksNothing) {
    auto* shotgun = new E_Shotgun(&world.map(), 500, 900, false);
    const int anHourOfTicks = 30 * 60 * 60;
    for (int tick = 0; tick < anHourOfTicks; ++tick)
        world.map().gameTick();
    EXPECT_EQ(shotgun->getYSpeed(), 16.0);
    EXPECT_GT(shotgun->getY(), 1.7e6);
    EXPECT_EQ(world.timesListed(22, *shotgun), 1);
    std::size_t listings = 0;
    for (unsigned chunk = 0; chunk < 25; ++chunk)
        listings += world.timesListed(chunk, *shotgun);
    EXPECT_EQ(listings, 1u);
    world.map().viewSetY(shotgun->getY());
    EXPECT_EQ(world.map().viewGetY(), 759);
}

class FixedLevel : public testing::Test {
  protected:
    BoxWorld world{BoxWorld::FIXED};
};

TEST_F(FixedLevel, PlayerStandsAtItsPlaceAimingAtTheCursorAndIsFollowed) {
    const Pointer<E_Player>& player = world.state->getPlayer();
    ASSERT_FALSE(player.isNull());
    EXPECT_EQ(player->getX(), 76);
    EXPECT_EQ(player->getY(), 100);
    Pointer<E_AITargetable> target;
    player->getTarget(&target);
    EXPECT_EQ(target->getType(), EN_CURSOR_GAME);
    EXPECT_EQ(&*target, static_cast<E_AITargetable*>(&*world.state->getGameCursor()));
    EXPECT_EQ(&*world.state->getCameraTarget(), static_cast<Entity*>(&*player));
    EXPECT_EQ(world.map().viewGetX(), 320);
    EXPECT_EQ(world.map().viewGetY(), 240);
}

TEST_F(FixedLevel, WallsAreFiledInTableOrder) {
    // Chunk 0 holds the walls above y 240 and the three rows at 240 and 250
    // (which reach into chunk 5 as well), in the order of the table.
    std::vector<std::pair<double, double>> walls;
    for (const Pointer<Entity>& entity : world.map().getChunk(0).m_entities)
        if (entity->getType() == EN_WALL)
            walls.emplace_back(entity->getX(), entity->getY());
    const std::vector<std::pair<double, double>> table = {
        {64, 224}, {0, 224}, {80, 192}, {0, 176}, {64, 176}};
    ASSERT_EQ(walls, table) << "the rows at 240 and 250 lie in chunk 5";
    std::set<const Entity*> distinct;
    for (unsigned chunk = 0; chunk < 25; ++chunk)
        for (const Pointer<Entity>& entity : world.map().getChunk(chunk).m_entities)
            if (entity->getType() == EN_WALL)
                distinct.insert(&*entity);
    EXPECT_EQ(distinct.size(), 24u);
}

TEST_F(FixedLevel, CursorFollowsTheMouseInWorldCoordinates) {
    world.engine.pushMotion(0, 0);
    world.tick();
    const Pointer<E_CursorGame>& cursor = world.state->getGameCursor();
    const double left = world.map().viewGetLeft(), top = world.map().viewGetTop();
    EXPECT_EQ(cursor->getX(), left + world.engine.events->getMouseX());
    EXPECT_EQ(cursor->getY(), top + world.engine.events->getMouseY());
}

} // namespace
