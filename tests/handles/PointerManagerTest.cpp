// Slot registry and handles: counting, FIFO slot reuse, destroy, and the
// failures of corrupt counts and bad indexes.
#include "HandleTestObjects.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

class PointerManagerTest : public ::testing::Test {
  protected:
    Tracked* make(int id) { return new Tracked(id, &m_deletions); }

    int m_deletions = 0;
    InspectableManager<Tracked> m_registry{10};
};

TEST_F(PointerManagerTest, LastReleaseQueuesSlotAndNextAddReusesIt) {
    Tracked* a = make(1);
    {
        Pointer<Tracked> h;
        m_registry.pointerAdd(a, &h);
        EXPECT_EQ(m_registry.referencesOf(0), 1u);
        {
            Pointer<Tracked> h2(h);
            EXPECT_EQ(m_registry.referencesOf(0), 2u);
            EXPECT_EQ(h2->m_id, 1);
        }
        EXPECT_EQ(m_registry.referencesOf(0), 1u);
    }
    EXPECT_EQ(m_registry.referencesOf(0), 0u);
    EXPECT_EQ(m_deletions, 0) << "releasing the last handle must not delete";
    EXPECT_EQ(m_registry.objectIn(0), a);

    Pointer<Tracked> hb;
    m_registry.pointerAdd(make(2), &hb);
    EXPECT_EQ(m_registry.slotCount(), 1u);
    EXPECT_EQ(m_deletions, 1);
    EXPECT_EQ(hb->m_id, 2);
    EXPECT_EQ(m_registry.referencesOf(0), 1u);
}

TEST_F(PointerManagerTest, ReleasedSlotsAreReusedOldestReleaseFirst) {
    Pointer<Tracked> h[3];
    for (int i = 0; i < 3; ++i) {
        m_registry.pointerAdd(make(i), &h[i]);
    }
    h[2].nullify();
    h[0].nullify();
    h[1].nullify();

    Pointer<Tracked> fresh[3];
    for (int i = 0; i < 3; ++i) {
        m_registry.pointerAdd(make(10 + i), &fresh[i]);
    }
    EXPECT_EQ(m_registry.slotCount(), 3u);
    EXPECT_EQ(m_registry.objectIn(2)->m_id, 10);
    EXPECT_EQ(m_registry.objectIn(0)->m_id, 11);
    EXPECT_EQ(m_registry.objectIn(1)->m_id, 12);
    EXPECT_EQ(fresh[0]->m_id, 10);
}

TEST_F(PointerManagerTest, TableGrowsOnlyWhenNoReleasedSlotIsLeft) {
    Pointer<Tracked> a;
    Pointer<Tracked> b;
    m_registry.pointerAdd(make(1), &a);
    m_registry.pointerAdd(make(2), &b);
    a.nullify();
    Pointer<Tracked> c;
    Pointer<Tracked> d;
    m_registry.pointerAdd(make(3), &c);
    m_registry.pointerAdd(make(4), &d);
    EXPECT_EQ(m_registry.slotCount(), 3u);
    EXPECT_EQ(m_registry.objectIn(0)->m_id, 3);
    EXPECT_EQ(m_registry.objectIn(2)->m_id, 4);
}

TEST_F(PointerManagerTest, DestroyNullsEveryHandleAndDeletesOnce) {
    Pointer<Tracked> h;
    m_registry.pointerAdd(make(1), &h);
    Pointer<Tracked> h2 = h;

    h2.destroy();
    EXPECT_EQ(m_deletions, 1);
    EXPECT_TRUE(h.isNull());
    EXPECT_TRUE(h2.isNull());
    EXPECT_EQ(h.operator->(), nullptr);
    EXPECT_EQ(m_registry.referencesOf(0), 2u) << "destroy must not touch the counts";

    h.nullify();
    h2.nullify();
    Pointer<Tracked> next;
    m_registry.pointerAdd(make(2), &next);
    EXPECT_EQ(m_registry.slotCount(), 1u);
    EXPECT_EQ(m_deletions, 1) << "a destroyed object must not be deleted again on reuse";
    EXPECT_FALSE(next.isNull());
}

TEST_F(PointerManagerTest, AddIntoHandleOfSameRegistryReusesItsOwnSlot) {
    Pointer<Tracked> h[4];
    for (int i = 0; i < 4; ++i) {
        m_registry.pointerAdd(make(i), &h[i]);
    }
    m_registry.pointerAdd(make(99), &h[3]);

    EXPECT_EQ(m_registry.slotCount(), 4u);
    EXPECT_EQ(m_deletions, 1);
    EXPECT_EQ(h[3]->m_id, 99);
    EXPECT_EQ(m_registry.referencesOf(3), 1u);
}

TEST_F(PointerManagerTest, AddIntoHandleOfOtherRegistryReleasesThere) {
    InspectableManager<Tracked> other(10);
    Pointer<Tracked> h;
    other.pointerAdd(new Tracked(1, &m_deletions), &h);
    m_registry.pointerAdd(make(2), &h);
    EXPECT_EQ(other.referencesOf(0), 0u);
    EXPECT_EQ(m_registry.referencesOf(0), 1u);
    EXPECT_EQ(h->m_id, 2);
}

TEST_F(PointerManagerTest, ObjectAddedWithoutHandleIsNeverReused) {
    m_registry.pointerAdd(make(1), nullptr);
    Pointer<Tracked> h;
    m_registry.pointerAdd(make(2), &h);
    EXPECT_EQ(m_registry.slotCount(), 2u);
    EXPECT_EQ(m_registry.referencesOf(0), 0u);
    EXPECT_EQ(m_deletions, 0);
}

TEST_F(PointerManagerTest, EmptyHandlesAreNullAndIgnoreNullify) {
    Pointer<Tracked> empty;
    EXPECT_TRUE(empty.isNull());
    empty.nullify();
    EXPECT_TRUE(empty.isNull());
    empty.destroy();
    EXPECT_EQ(m_deletions, 0);
}

TEST_F(PointerManagerTest, AssigningAnEqualHandleChangesNoCount) {
    Pointer<Tracked> h;
    m_registry.pointerAdd(make(1), &h);
    Pointer<Tracked> h2 = h;
    Pointer<Tracked>& alias = h;

    h = alias;
    EXPECT_EQ(m_registry.referencesOf(0), 2u);
    h = h2;
    EXPECT_EQ(m_registry.referencesOf(0), 2u);
}

TEST_F(PointerManagerTest, AssignmentMovesTheReferenceBetweenSlots) {
    Pointer<Tracked> a;
    Pointer<Tracked> b;
    m_registry.pointerAdd(make(1), &a);
    m_registry.pointerAdd(make(2), &b);
    Pointer<Tracked> c = a;

    c = b;
    EXPECT_EQ(m_registry.referencesOf(0), 1u);
    EXPECT_EQ(m_registry.referencesOf(1), 2u);
    EXPECT_EQ(c->m_id, 2);

    c = Pointer<Tracked>();
    EXPECT_EQ(m_registry.referencesOf(1), 1u);
    EXPECT_TRUE(c.isNull());
}

TEST_F(PointerManagerTest, EqualityComparesSlotAndRegistry) {
    Pointer<Tracked> emptyA;
    Pointer<Tracked> emptyB;
    EXPECT_TRUE(emptyA == emptyB);

    Pointer<Tracked> slot0;
    m_registry.pointerAdd(make(1), &slot0);
    EXPECT_FALSE(emptyA == slot0) << "an empty handle has index 0 but no registry";
    EXPECT_TRUE(emptyA != slot0);

    InspectableManager<Tracked> other(10);
    Pointer<Tracked> otherSlot0;
    other.pointerAdd(new Tracked(2, &m_deletions), &otherSlot0);
    EXPECT_NE(slot0, otherSlot0);
    EXPECT_EQ(slot0, Pointer<Tracked>(slot0));
}

TEST_F(PointerManagerTest, ReleasingAZeroCountThrowsUnderflow) {
    m_registry.pointerAdd(make(1), nullptr);
    try {
        m_registry.releaseOnce(0);
        FAIL() << "no exception";
    } catch (const std::underflow_error& e) {
        EXPECT_EQ(std::string(e.what()), "Pointer references have underflowed");
    }
}

TEST_F(PointerManagerTest, IndexBeyondTableIsOutOfRange) {
    m_registry.pointerAdd(make(1), nullptr);
    EXPECT_THROW(m_registry.takeReference(1), std::out_of_range);
    EXPECT_THROW(m_registry.releaseOnce(7), std::out_of_range);
}

TEST_F(PointerManagerTest, RevivedSlotKeepsItsStaleQueueEntryHarmless) {
    Pointer<Tracked> h;
    m_registry.pointerAdd(make(1), &h);
    h.nullify();
    m_registry.takeReference(0); // revives slot 0 while index 0 waits in the queue

    Pointer<Tracked> next;
    m_registry.pointerAdd(make(2), &next);
    EXPECT_EQ(m_registry.slotCount(), 2u) << "a revived slot must be skipped, not reused";
    EXPECT_EQ(m_deletions, 0);
    m_registry.releaseOnce(0);
}

TEST_F(PointerManagerTest, SlotRevivedAndReleasedOverAndOverWaitsInTheQueueOnce) {
    Pointer<Tracked> kept, churned;
    m_registry.pointerAdd(make(1), &kept);
    m_registry.pointerAdd(make(2), &churned);
    churned.nullify();
    // As a sprite looked up for every frame's draw and let go after it.
    for (int frame = 0; frame < 100000; ++frame) {
        m_registry.takeReference(1);
        m_registry.releaseOnce(1);
    }
    EXPECT_EQ(m_registry.queuedSlots(), 1u);

    // The queue still hands the slot out, once, and then grows the table.
    Pointer<Tracked> first, second;
    m_registry.pointerAdd(make(3), &first);
    m_registry.pointerAdd(make(4), &second);
    EXPECT_EQ(m_registry.objectIn(1)->m_id, 3);
    EXPECT_EQ(m_registry.slotCount(), 3u);
    EXPECT_EQ(m_registry.queuedSlots(), 0u);
    // Popped, revived and released again, the slot queues anew.
    first.nullify();
    EXPECT_EQ(m_registry.queuedSlots(), 1u);
}

// An object whose destructor releases a handle into its own registry, as
// entities that follow other entities do.
class Follower : public Tracked {
  public:
    Follower(int id, int* deletions, const Pointer<Tracked>& target)
        : Tracked(id, deletions), m_target(target) {}
    Pointer<Tracked> m_target;
};

TEST(PointerManagerLifetime, DestructionDeletesEveryObjectWhateverItsCount) {
    int deletions = 0;
    {
        InspectableManager<Tracked> registry(2);
        Pointer<Tracked> target;
        registry.pointerAdd(new Tracked(1, &deletions), &target);
        registry.pointerAdd(new Follower(2, &deletions, target), nullptr);
        Pointer<Tracked> released;
        registry.pointerAdd(new Tracked(3, &deletions), &released);
        released.nullify();
        target.nullify();
    }
    EXPECT_EQ(deletions, 3);
}

TEST(PointerManagerLifetime, DestroyedObjectsAreNotDeletedAgainWithTheRegistry) {
    int deletions = 0;
    {
        InspectableManager<Tracked> registry(2);
        Pointer<Tracked> h;
        registry.pointerAdd(new Tracked(1, &deletions), &h);
        h.destroy();
        h.nullify();
    }
    EXPECT_EQ(deletions, 1);
}

} // namespace
