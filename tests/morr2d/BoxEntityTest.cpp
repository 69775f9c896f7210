// Box entities: chunk rows and columns of their edges, the setters that
// re-file them only when an index changes, the carried-over difference
// between setters, activation, and re-filing after an edge change.
#include <gtest/gtest.h>
#include <limits>

#include "BoxWorld.h"
#include "Entities/E_NONE.h"

namespace {

class BoxEntity : public testing::Test {
  protected:
    BoxWorld world;
    // Chunk 0 is (0..239, 0..239), chunk 5 the one below it.
    static constexpr unsigned TOP_LEFT = 0, BELOW_TOP_LEFT = 5, RIGHT_OF_TOP_LEFT = 1;
};

TEST_F(BoxEntity, EdgesGiveChunkRowsAndColumns) {
    auto* box = new CountingBox(&world.map(), 100, 230, 0, 0, 16, 16);
    EXPECT_EQ(box->getAboxU(), 0u);
    EXPECT_EQ(box->getAboxD(), 1u);
    EXPECT_EQ(box->getAboxL(), 0u);
    EXPECT_EQ(box->getAboxR(), 0u);
    EXPECT_EQ(world.timesListed(TOP_LEFT, *box), 1);
    EXPECT_EQ(world.timesListed(BELOW_TOP_LEFT, *box), 1);
}

TEST_F(BoxEntity, EdgeAboveMinus240IsInChunkZeroAndBelowItWraps) {
    auto* box = new CountingBox(&world.map(), 0, 0, -10, -250, 5, 5);
    EXPECT_EQ(box->getAboxL(), 0u);
    EXPECT_EQ(box->getAboxU(), std::numeric_limits<unsigned>::max()) << "-250 / 240 is -1";
    // Filed by clamped coordinates all the same.
    EXPECT_EQ(world.timesListed(TOP_LEFT, *box), 1);
}

TEST_F(BoxEntity, SetYRefilesOnlyWhenARowChanges) {
    auto* box = new CountingBox(&world.map(), 100, 230, 0, 0, 16, 16);
    auto* later = new CountingBox(&world.map(), 120, 230, 0, 0, 16, 16);
    box->setY(225);
    EXPECT_FALSE(box->diffAbox());
    EXPECT_EQ(world.map().getChunk(TOP_LEFT).m_entities.back(), handleOf<Entity>(*later))
        << "no row changed: nothing was re-filed";
    box->setY(250);
    EXPECT_TRUE(box->diffAbox());
    EXPECT_EQ(box->getAboxU(), 1u);
    EXPECT_EQ(world.timesListed(TOP_LEFT, *box), 0);
    EXPECT_EQ(world.timesListed(BELOW_TOP_LEFT, *box), 1);
    EXPECT_EQ(box->getY_last(), 225);
}

// The top row recalculated by setY still differs from its last value after
// a setX that changes no column, so the entity is re-filed once more: its
// entry in the bottom row (by the half-open rule) goes to the end of the
// chunk's list.
TEST_F(BoxEntity, DifferenceCarriesOverToTheNextSetter) {
    auto* box = new CountingBox(&world.map(), 100, 230, 0, 0, 16, 16);
    box->setY(250);
    auto* later = new CountingBox(&world.map(), 120, 250, 0, 0, 16, 16);
    ASSERT_EQ(world.map().getChunk(BELOW_TOP_LEFT).m_entities.back(), handleOf<Entity>(*later));
    box->setX(110);
    EXPECT_TRUE(box->diffAbox());
    EXPECT_EQ(world.map().getChunk(BELOW_TOP_LEFT).m_entities.back(), handleOf<Entity>(*box));
    EXPECT_EQ(world.timesListed(BELOW_TOP_LEFT, *box), 1);
}

TEST_F(BoxEntity, MoveIntoOtherChunksLeavesAllOldOnes) {
    auto* box = new CountingBox(&world.map(), 230, 230, 0, 0, 20, 20);
    for (unsigned chunk : {0u, 1u, 5u, 6u})
        ASSERT_EQ(world.timesListed(chunk, *box), 1) << chunk;
    box->setXY(500, 10);
    for (unsigned chunk : {0u, 1u, 5u, 6u})
        EXPECT_EQ(world.timesListed(chunk, *box), 0) << chunk;
    EXPECT_EQ(world.timesListed(2, *box), 1);
}

TEST_F(BoxEntity, BoxLeavingColumnZeroIsReappendedToColumnOne) {
    auto* box = new CountingBox(&world.map(), 230, 10, 0, 0, 20, 20);
    auto* later = new CountingBox(&world.map(), 300, 10, 0, 0, 20, 20);
    box->setX(245);
    EXPECT_EQ(world.timesListed(TOP_LEFT, *box), 0);
    EXPECT_EQ(world.timesListed(RIGHT_OF_TOP_LEFT, *box), 1);
    EXPECT_EQ(world.map().getChunk(RIGHT_OF_TOP_LEFT).m_entities.back(), handleOf<Entity>(*box))
        << "removed from and appended again to chunk 1";
    (void)later;
}

// Lowering the top edge across a row, then moving: the last position and
// the last edges describe no box the entity was ever filed under. It must
// still end up listed exactly in the chunks of its box.
TEST_F(BoxEntity, EdgeChangeThenMoveKeepsTheChunkListsRight) {
    auto* box = new CountingBox(&world.map(), 100, 230, 0, 0, 16, 30);
    box->setBboxU(12);
    box->setXY(100, 200);
    box->setBboxU(0);
    box->setXY(400, 200);
    for (unsigned chunk = 0; chunk < world.map().getLevelChunksNum(); ++chunk) {
        const bool covered = chunk == 1;
        EXPECT_EQ(world.timesListed(chunk, *box), covered ? 1 : 0) << chunk;
    }
}

TEST_F(BoxEntity, RemovingAHandleAChunkDoesNotHoldDoesNothing) {
    auto* box = new CountingBox(&world.map(), 500, 500, 0, 0, 10, 10);
    auto* elsewhere = new CountingBox(&world.map(), 10, 10, 0, 0, 10, 10);
    MapController::LevelChunk& chunk =
        const_cast<MapController::LevelChunk&>(world.map().getChunk(TOP_LEFT));
    const std::size_t before = chunk.m_entities.size();
    chunk.entityRemove(handleOf<Entity>(*box));
    EXPECT_EQ(chunk.m_entities.size(), before);
    EXPECT_EQ(world.timesListed(TOP_LEFT, *elsewhere), 1);
}

TEST_F(BoxEntity, ActivatingTwiceListsOnceAndDeactivatingTwiceIsHarmless) {
    auto* box = new CountingBox(&world.map(), 10, 10, 0, 0, 10, 10);
    const std::size_t active = world.map().getActiveEntities().size();
    box->setActive(true);
    EXPECT_EQ(world.map().getActiveEntities().size(), active);
    box->setActive(false);
    box->setActive(false);
    world.map().entityDeactivate(handleOf<Entity>(*box));
    EXPECT_EQ(world.map().getActiveEntities().size(), active - 1);
    world.tick();
    EXPECT_EQ(box->ticks, 0);
}

TEST_F(BoxEntity, ConstructorTakesEdgesLeftUpRightDownAndDepth) {
    auto* box = new CountingBox(&world.map(), 1, 2, -3, -4, 5, 6, -7);
    EXPECT_EQ(box->getBboxL(), -3);
    EXPECT_EQ(box->getBboxU(), -4);
    EXPECT_EQ(box->getBboxR(), 5);
    EXPECT_EQ(box->getBboxD(), 6);
    EXPECT_EQ(box->getDepth(), -7);
    EXPECT_TRUE(box->getVisible());
    EXPECT_TRUE(box->getActive());
    EXPECT_EQ(box->getXCenter(), 0);
}

TEST_F(BoxEntity, PlaceholderIsInactive) {
    Pointer<Entity> none;
    world.map().getNONEobject(&none);
    ASSERT_FALSE(none.isNull());
    EXPECT_EQ(none->getType(), EN_NONE);
    EXPECT_FALSE(none->getActive());
}

TEST_F(BoxEntity, DestroyRemovesFromChunksAndActiveList) {
    auto* box = new CountingBox(&world.map(), 230, 10, 0, 0, 20, 20);
    const std::size_t active = world.map().getActiveEntities().size();
    box->destroy();
    EXPECT_EQ(world.map().getActiveEntities().size(), active - 1);
    EXPECT_TRUE(world.map().getChunk(0).m_entities.size() <= 1u) << "only the placeholder";
    EXPECT_TRUE(world.map().getChunk(1).m_entities.empty());
}

} // namespace
