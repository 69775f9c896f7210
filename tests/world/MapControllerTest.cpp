// The map controller's chunk index, registries, passes and level refusals.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "CragmoorWorld.h"

namespace {

class CountingEntity : public Entity {
  public:
    CountingEntity(MapController* map, const Vector2& centre, const Vector2& radius)
        : Entity(map, Ellipsoid2(centre, radius), EN_CHARACTER) {}
    void gameTick() override {
        ++ticks;
        if (onTick)
            onTick(*this);
    }
    void draw() override { ++draws; }

    int ticks = 0;
    int draws = 0;
    std::function<void(CountingEntity&)> onTick;
};

class Map : public testing::Test {
  protected:
    // Entities are owned by the map's registry: tests keep raw pointers.
    CountingEntity* add(const Vector2& centre, const Vector2& radius = Vector2(10, 10)) {
        return new CountingEntity(&world.map(), centre, radius);
    }
    int timesListed(unsigned chunk, const Entity& entity) {
        const Pointer<Entity> handle = handleOf<Entity>(entity);
        int count = 0;
        for (const Pointer<Entity>& listed : world.map().getChunk(chunk).m_entities)
            count += listed == handle ? 1 : 0;
        return count;
    }
    std::vector<unsigned> chunksOf(const Box2& box) {
        std::vector<unsigned> chunks;
        world.map().getLevelChunk(&chunks, box);
        return chunks;
    }

    CragmoorWorld world;
};

TEST_F(Map, ChunksClampIntoTheLevelAndListEachLineOncePerQuery) {
    EXPECT_EQ(world.map().getLevelChunk(Vector2(-5, 100000)), 1406);
    EXPECT_EQ(world.map().getLevelChunk(Vector2(239.9, 240)), 38);
    EXPECT_EQ(chunksOf(Box2(Vector2(230, 10), Vector2(250, 10))), (std::vector<unsigned>{0, 1}));
    EXPECT_EQ(chunksOf(Box2(Vector2(10, 230), Vector2(10, 250))), (std::vector<unsigned>{0, 38}));
    EXPECT_EQ(chunksOf(Box2(Vector2(-100, -100), Vector2(-50, -50))), (std::vector<unsigned>{0}));
    world.addLine(Vector2(300, 300), Vector2(200, 200));
    for (int query = 0; query < 2; ++query) {
        std::vector<Line2> lines;
        world.map().getCollisionLines(&lines, Box2(Vector2(0, 0), Vector2(479, 479)));
        ASSERT_EQ(lines.size(), 1u) << "query " << query;
        EXPECT_EQ(lines[0].m_a.m_x, 300);
    }
    for (unsigned chunk : {0u, 1u, 38u, 39u})
        EXPECT_EQ(world.map().getChunk(chunk).m_collisionLines.size(), 1u) << chunk;
}

// An entity that deactivates or destroys itself must not make the pass skip
// the next one, and one created during the pass ticks once in it.
TEST_F(Map, PassTicksEveryActiveEntityOnceWhateverTheyDoInIt) {
    const std::size_t activeBefore = world.map().getActiveEntities().size();
    CountingEntity* resting = add(Vector2(100, 100));
    CountingEntity* afterResting = add(Vector2(200, 100));
    add(Vector2(100, 100))->onTick = [](CountingEntity& self) { self.destroy(); };
    CountingEntity* afterDestroyed = add(Vector2(100, 100));
    CountingEntity* spawned = nullptr;
    add(Vector2(100, 100))->onTick = [&](CountingEntity& self) {
        if (spawned == nullptr)
            spawned = new CountingEntity(self.getMapController(), Vector2(50, 50), Vector2(5, 5));
    };
    resting->onTick = [](CountingEntity& self) { self.setActive(false); };
    for (int pass = 1; pass <= 2; ++pass) {
        world.map().gameTick();
        EXPECT_EQ(resting->ticks, 1) << "pass " << pass;
        EXPECT_EQ(afterResting->ticks, pass);
        EXPECT_EQ(afterDestroyed->ticks, pass);
        ASSERT_NE(spawned, nullptr);
        EXPECT_EQ(spawned->ticks, pass);
    }
    EXPECT_EQ(world.map().getActiveEntities().size(), activeBefore + 4);
}

TEST_F(Map, EntitiesAreDrawnOnceInAFrame) {
    // The view starts centred on (320, 240): chunks 0 and 1 are both visible.
    CountingEntity* straddling = add(Vector2(240, 100), Vector2(20, 20));
    ASSERT_TRUE(timesListed(0, *straddling) && timesListed(1, *straddling));
    CountingEntity* target = add(Vector2(100, 100));
    world.state->setCameraTarget(handleOf<Entity>(*target));
    world.map().gameFrame();
    world.map().gameFrame();
    EXPECT_EQ(straddling->draws, 2);
    EXPECT_EQ(target->draws, 2) << "the camera target is drawn first, and only then";
}

TEST_F(Map, MovingReFilesTheEntityWhereItsBoxNowLies) {
    CountingEntity* mover = add(Vector2(230, 100), Vector2(5, 5));
    ASSERT_EQ(timesListed(1, *mover), 0);
    // setPosition gives radius (1, 1): the box moves to 235..237 and then
    // across the border to 239..241.
    mover->setPosition(Vector2(236, 100));
    mover->setPosition(Vector2(240, 100));
    EXPECT_EQ(timesListed(0, *mover), 1) << "listed once, not twice";
    EXPECT_EQ(timesListed(1, *mover), 1);
    mover->setPosition(Vector2(250, 100));
    EXPECT_EQ(timesListed(0, *mover), 0);
    EXPECT_EQ(timesListed(1, *mover), 1);
    mover->setPosition(Vector2(5000, 3000));
    EXPECT_EQ(timesListed(1, *mover), 0);
    EXPECT_EQ(timesListed(unsigned(world.map().getLevelChunk(Vector2(5000, 3000))), *mover), 1);
    EXPECT_EQ(mover->getPosition().m_radius.m_x, 1);
}

TEST_F(Map, RemovingAnAbsentHandleIsHarmless) {
    CountingEntity* mover = add(Vector2(100, 100), Vector2(5, 5));
    // Moved by changing its centre directly, as characters do: the chunks
    // still list it where it was.
    const Pointer<Entity> handle = handleOf<Entity>(*mover);
    const_cast<Ellipsoid2&>(mover->getPosition()).m_center = Vector2(3000, 3000);
    mover->destroy();
    EXPECT_TRUE(handle.isNull());
    // The stale entry names a destroyed object; passes over the chunk skip it.
    world.map().gameFrame();
    world.map().gameTick();
}

TEST_F(Map, SecondInitializeIsRefused) {
    world.state->initialize(REAL_LEVEL);
    EXPECT_EQ(world.engine.logger->errors().back(), "MapStateController is already initialized.");
}

// One triangle in front of the plane z = 0: scenery, nothing to stand on.
// (A missing level and one without faces are rows of the end-to-end
// start-up failures, with the program's whole output.)
TEST(MapLevelFile, LevelWithoutCollisionLinesLogsOneLineNamingIt) {
    const std::string path = testing::TempDir() + "off-plane.obj";
    std::ofstream(path)
        << "v  0 0 1\nv  1 0 1\nv  0 1 1\nvt 0 0 0\nvn 0 0 1\nf 1/1/1 2/1/1 3/1/1\n";
    CragmoorWorld world(path.c_str());
    const std::vector<std::string> errors = world.engine.logger->errors();
    // The engine's start-up refusals (and, on a machine without sound, the
    // sound driver's) come first; the level's is one line, the last.
    const auto aboutLevel = [](const std::string& e) { return e.rfind("Level ", 0) == 0; };
    EXPECT_EQ(std::count_if(errors.begin(), errors.end(), aboutLevel), 1);
    EXPECT_EQ(errors.back(),
              "Level " + path + " yields no collision line: there is nothing to stand on");
    std::remove(path.c_str());
}

} // namespace
