// The map controller of morr2d and its box entities: chunk lookups and the
// view, the chunks an entity is listed in and when its setters re-file it,
// the active list and the tick pass, the frame pass, the rectangle query,
// and the fixed level as built and as played.
#include <functional>
#include <limits>
#include <list>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>

#include "Morr2dWorld.h"
#include "VideoSystem.h"

namespace {

// Chunks are 240 units square, five to a row: chunk 0 is (0..239, 0..239),
// chunk 1 lies right of it and chunk 5 below it.
using Chunks = std::vector<unsigned>;
using Map = Morr2dEmpty;
using FixedLevel = Morr2dFixed;

// The view's centre keeps half the 640 x 480 view inside the level.
TEST_F(Map, ChunkLookupsAndTheViewClampIntoTheLevelAndChunksGoRowByRow) {
    MapController& map = world.map();
    EXPECT_EQ(map.getLevelChunk(-5, -5), 0u);
    EXPECT_EQ(map.getLevelChunk(999, 999), 24u);
    EXPECT_EQ(map.getLevelChunk(2000, 0), 4u);
    EXPECT_EQ(map.getLevelChunk(240, 240), 6u);
    std::list<unsigned> chunks{7};
    map.getLevelChunk(&chunks, 1e12, -1e12);
    EXPECT_EQ(chunks, (std::list<unsigned>{7, 4})) << "appended";

    const auto chunksOf = [&](double left, double top, double right, double bottom) {
        std::list<unsigned> found;
        map.getLevelChunk(&found, left, top, right, bottom);
        return found;
    };
    EXPECT_EQ(chunksOf(230, 10, 250, 20), (std::list<unsigned>{0, 1}));
    EXPECT_EQ(chunksOf(-500, 5000, -100, 6000), (std::list<unsigned>{20}));
    std::list<unsigned> all(25);
    std::iota(all.begin(), all.end(), 0u);
    EXPECT_EQ(chunksOf(0, 0, 999, 999), all);
    EXPECT_THROW(chunksOf(10, 0, 5, 5), std::runtime_error);
    try {
        chunksOf(0, 10, 5, 5);
        FAIL() << "an inverted rectangle must throw";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Get level chunk box invalid");
    }

    const double rows[][4] = {{0, 100, 320, 240}, {900, 5000, 679, 759}, {500, 400, 500, 400}};
    for (const auto& [x, y, keptX, keptY] : rows) {
        map.viewSetX(x);
        map.viewSetY(y);
        EXPECT_EQ(map.viewGetX(), keptX) << x;
        EXPECT_EQ(map.viewGetY(), keptY) << y;
    }
    EXPECT_EQ(map.viewGetLeft(), 180);
    EXPECT_EQ(map.viewGetTop(), 160);
}

TEST_F(Map, EntitiesAreListedInTheChunksTheirBoxesTouch) {
    MapController& map = world.map();
    // An edge at -240 or beyond wraps its index; the lists clamp
    // coordinates all the same.
    auto* above = new CountingBox(&map, 0, 0, -10, -250, 5, 5);
    EXPECT_EQ(above->getAboxU(), std::numeric_limits<unsigned>::max()) << "-250 / 240 is -1";
    EXPECT_EQ(world.chunksListing(*above), (Chunks{0}));

    auto* corner = new CountingBox(&map, 230, 230, 0, 0, 20, 20);
    EXPECT_EQ(world.chunksListing(*corner), (Chunks{0, 1, 5, 6}));
    corner->setXY(500, 10);
    EXPECT_EQ(world.chunksListing(*corner), (Chunks{2}));
    auto& topLeft = const_cast<MapController::LevelChunk&>(map.getChunk(0));
    const std::size_t listed = topLeft.m_entities.size();
    topLeft.entityRemove(handleOf<Entity>(*corner));
    EXPECT_EQ(topLeft.m_entities.size(), listed) << "removing what a chunk does not hold";

    const std::size_t active = map.getActiveEntities().size();
    corner->destroy();
    EXPECT_EQ(map.getActiveEntities().size(), active - 1);
    EXPECT_TRUE(map.getChunk(2).m_entities.empty());
}

TEST_F(Map, SettersRefileOnlyWhenAChunkIndexChangesAndFromTheBoxLastFiled) {
    MapController& map = world.map();
    const auto lastIn = [&](unsigned chunk) { return &*map.getChunk(chunk).m_entities.back(); };
    auto* box = new CountingBox(&map, 100, 230, 0, 0, 16, 16);
    auto* later = new CountingBox(&map, 120, 230, 0, 0, 16, 16);
    box->setY(225);
    EXPECT_FALSE(box->diffAbox());
    EXPECT_EQ(lastIn(0), later) << "no row changed: nothing was re-filed";
    box->setY(250);
    EXPECT_TRUE(box->diffAbox());
    EXPECT_EQ(box->getAboxU(), 1u);
    EXPECT_EQ(world.chunksListing(*box), (Chunks{5}));
    EXPECT_EQ(box->getY_last(), 225);

    // The top row setY recalculated still differs from its last value after
    // a setX that changes no column, so the box is re-filed once more: its
    // entry in the bottom row (by the half-open rule) moves to the end.
    auto* below = new CountingBox(&map, 120, 250, 0, 0, 16, 16);
    ASSERT_EQ(lastIn(5), below);
    box->setX(110);
    EXPECT_TRUE(box->diffAbox());
    EXPECT_EQ(lastIn(5), box);
    EXPECT_EQ(world.chunksListing(*box), (Chunks{5}));

    // Leaving column 0, a box is removed there and appended to column 1.
    auto* leaving = new CountingBox(&map, 230, 10, 0, 0, 20, 20);
    new CountingBox(&map, 300, 10, 0, 0, 20, 20);
    leaving->setX(245);
    EXPECT_EQ(world.chunksListing(*leaving), (Chunks{1}));
    EXPECT_EQ(lastIn(1), leaving);
    // Only its right edge crossing into column 1, a box is listed there too.
    auto* reaching = new CountingBox(&map, 200, 100, 0, 0, 20, 20);
    reaching->setX(225);
    EXPECT_EQ(world.chunksListing(*reaching), (Chunks{0, 1}));

    // Lowering the top edge across a row, then moving: the last position
    // and the last edges describe no box the entity was ever filed under.
    // It must still end up listed exactly in the chunks of its box.
    auto* tall = new CountingBox(&map, 100, 230, 0, 0, 16, 30);
    tall->setBboxU(12);
    tall->setXY(100, 200);
    tall->setBboxU(0);
    tall->setXY(400, 200);
    EXPECT_EQ(world.chunksListing(*tall), (Chunks{1}));
}

// Each frame queues every entity in view once, the inactive ones too.
TEST_F(Map, ActiveListHoldsEachEntityOnceAndTheTickAndFramePassesSkipNone) {
    MapController& map = world.map();
    Pointer<Entity> none;
    map.getNONEobject(&none);
    EXPECT_EQ(none->getType(), EN_NONE) << "the placeholder";
    auto* first = new CountingBox(&map, 100, 100, 0, 0, 10, 10);
    auto* straddling = new CountingBox(&map, 230, 100, 0, 0, 20, 20);
    auto* idle = new CountingBox(&map, 10, 10, 0, 0, 10, 10);
    new CountingBox(&map, 900, 900, 0, 0, 20, 20);
    const std::size_t active = map.getActiveEntities().size();
    idle->setActive(true);
    EXPECT_EQ(map.getActiveEntities().size(), active) << "activated twice, listed once";
    idle->setActive(false);
    idle->setActive(false);
    map.entityDeactivate(handleOf<Entity>(*idle));
    EXPECT_EQ(map.getActiveEntities().size(), active - 1);

    first->deactivateInTick = true;
    world.ticks(2);
    EXPECT_EQ(first->ticks, 1);
    EXPECT_EQ(straddling->ticks, 2) << "one deactivating itself must not skip the next";
    EXPECT_EQ(idle->ticks, 0);
    EXPECT_EQ(map.getGameTickCounter(), 2u);

    for (int frame = 1; frame <= 2; ++frame) {
        map.gameFrame();
        EXPECT_EQ(world.engine.video->drawListSize(), 4u) << "with the placeholder at the origin";
        world.engine.video->drawList();
        for (const CountingBox* box : {first, straddling, idle})
            EXPECT_EQ(box->draws, frame);
    }
}

TEST_F(Map, RectangleQueryFindsWallsByShapeAndOthersByBox) {
    MapController& map = world.map();
    world.wall(64, 224, WT_WALL_DUT);
    new CountingBox(&map, 300, 300, 0, 0, 10, 10);
    EXPECT_TRUE(map.isEntityAt(76, 228, 80, 232, EN_WALL));
    EXPECT_FALSE(map.isEntityAt(64, 224, 66, 226, EN_WALL)) << "above the diagonal";
    EXPECT_FALSE(map.isEntityAt(295, 295, 305, 305, EN_WALL)) << "not a wall";
    EXPECT_TRUE(map.isEntityAt(295, 295, 305, 305, EN_CHARACTER));
    EXPECT_TRUE(map.isEntityAt(295, 295, 305, 305, EN_ENTITY));
    EXPECT_FALSE(map.isEntityAt(295, 295, 300, 300, EN_PLAYER)) << "not a player";
    EXPECT_FALSE(map.isEntityAt(290, 290, 300, 300, EN_CHARACTER)) << "touching only";
}

// Nothing is below the level's floor: whatever falls out keeps falling at
// the capped speed. The lookups clamp, so it stays filed in the bottom row
// and the world keeps working.
TEST_F(Map, ObjectFallingOutOfTheLevelForAnHourBreaksNothing) {
    E_Shotgun* shotgun = world.shotgun(500, 900);
    const int anHourOfTicks = 30 * 60 * 60;
    for (int tick = 0; tick < anHourOfTicks; ++tick)
        world.map().gameTick();
    EXPECT_EQ(shotgun->getYSpeed(), 16.0);
    EXPECT_GT(shotgun->getY(), 1.7e6);
    EXPECT_EQ(world.chunksListing(*shotgun), (Chunks{22}));
}

// Walls and the shotgun lie behind the player, the player behind the
// crosshair.
TEST_F(FixedLevel, LevelIsBuiltWithThePlayerAimingAtTheFollowedCursor) {
    EXPECT_EQ(player().getX(), 76);
    EXPECT_EQ(player().getY(), 100);
    Pointer<E_AITargetable> target;
    player().getTarget(&target);
    const Pointer<E_CursorGame>& cursor = world.state->getGameCursor();
    EXPECT_EQ(&*target, static_cast<E_AITargetable*>(&*cursor));
    EXPECT_EQ(&*world.state->getCameraTarget(), static_cast<Entity*>(&player()));
    EXPECT_EQ(world.map().viewGetX(), 320);
    EXPECT_EQ(world.map().viewGetY(), 240);

    // Chunk 0 holds the walls above y 240 in table order; the rows at 240
    // and 250 lie in chunk 5.
    std::vector<std::pair<double, double>> wallsInChunk0;
    std::set<const Entity*> walls;
    std::map<entityEnum, std::set<int>> depths;
    for (unsigned chunk = 0; chunk < world.map().getLevelChunksNum(); ++chunk) {
        for (const Pointer<Entity>& entity : world.map().getChunk(chunk).m_entities) {
            depths[entity->getType()].insert(entity->getDepth());
            if (entity->getType() != EN_WALL)
                continue;
            walls.insert(&*entity);
            if (chunk == 0)
                wallsInChunk0.emplace_back(entity->getX(), entity->getY());
        }
    }
    EXPECT_EQ(wallsInChunk0, (std::vector<std::pair<double, double>>{
                                 {64, 224}, {0, 224}, {80, 192}, {0, 176}, {64, 176}}));
    EXPECT_EQ(walls.size(), 24u);
    EXPECT_EQ(depths[EN_WALL], std::set<int>{0});
    EXPECT_EQ(depths[EN_SHOTGUN], std::set<int>{0});
    EXPECT_EQ(depths[EN_PLAYER], std::set<int>{-100});
    EXPECT_EQ(depths[EN_CURSOR_GAME], std::set<int>{-999});
}

// The shotgun and the player fall onto the ceiling tile at (64, 176) and
// stay; the player then climbs each of the level's two floor slopes from
// the floor beside it and walks back down. (Between them lies a pit as
// wide as the player.)
TEST_F(FixedLevel, ShotgunAndPlayerLandAndThePlayerWalksOverBothSlopes) {
    E_Shotgun* shotgun = nullptr;
    for (const Pointer<Entity>& entity : world.map().getActiveEntities())
        if (entity->getType() == EN_SHOTGUN)
            shotgun = static_cast<E_Shotgun*>(&*entity);
    ASSERT_NE(shotgun, nullptr);
    EXPECT_EQ(shotgun->getX(), 64);
    EXPECT_EQ(shotgun->getY(), 100);
    world.ticks(60);
    EXPECT_FALSE(shotgun->getActive()) << "asleep once at rest";
    EXPECT_NEAR(shotgun->getY() + 3.9, 176, 0.1);
    EXPECT_EQ(shotgun->getRotation(), 0);
    EXPECT_TRUE(world.map().isEntityAt(shotgun->getX() - 8, shotgun->getY() + 3.9,
                                       shotgun->getX() + 7.9, shotgun->getY() + 4.1, EN_WALL));
    const double landedY = player().getY();
    EXPECT_TRUE(player().getOnGround());
    EXPECT_NEAR(landedY + 31.9, 176, 0.1);
    world.ticks(30);
    EXPECT_EQ(player().getY(), landedY);
    EXPECT_EQ(player().getX(), 76);

    const double onFloor = 240 - 31.9, onSlopeTop = 224 - 31.9;
    const auto walk = [&](SDLKey key, const std::function<bool()>& until) {
        world.press(key);
        for (int tick = 0; tick < 20 && !until(); ++tick) {
            world.tick();
            EXPECT_TRUE(player().getOnGround()) << player().getX();
            EXPECT_EQ(player().getYSpeed(), 0) << player().getX();
            EXPECT_EQ(player().getLegFrameType(), E_Player::LEG_FRAME_WALK) << player().getX();
        }
        world.release(key);
        world.tick();
    };
    player().setXY(48, onFloor);
    world.ticks(2);
    ASSERT_TRUE(player().getOnGround());
    walk(SDLK_d, [&] { return player().getX() + 15.9 >= 80; });
    EXPECT_NEAR(player().getY(), onSlopeTop, 0.2) << "up the rising tile";
    walk(SDLK_a, [&] { return player().getX() <= 48; });
    EXPECT_NEAR(player().getY(), onFloor, 0.2) << "back down";
    player().setXY(16, onFloor);
    world.ticks(2);
    walk(SDLK_a, [&] { return player().getX() <= 0; });
    EXPECT_NEAR(player().getY(), onSlopeTop, 0.2) << "up the falling tile";
    walk(SDLK_d, [&] { return player().getX() >= 16; });
    EXPECT_NEAR(player().getY(), onFloor, 0.2) << "back down";
}

} // namespace
