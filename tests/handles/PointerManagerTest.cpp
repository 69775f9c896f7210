// Slot registry and handles: counting, slot reuse oldest release first,
// destroy, handles of related types, the registry's own teardown, and the
// failures of corrupt counts and bad indexes.
#include "Registries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class Handles : public ::testing::Test {
  protected:
    Tracked* make(int id) { return new Tracked(id, &deletions); }
    TrackedChild* makeChild(int id) { return new TrackedChild(id, &deletions); }

    int deletions = 0;
    InspectableManager<Tracked> registry{10};
};

TEST_F(Handles, CopiesCountAndTheLastReleaseOnlyQueuesTheSlot) {
    Tracked* first = make(1);
    {
        Pointer<Tracked> handle;
        registry.pointerAdd(first, &handle);
        Pointer<Tracked> copy(handle);
        EXPECT_EQ(registry.referencesOf(0), 2u);
        EXPECT_EQ(copy->m_id, 1);
    }
    EXPECT_EQ(registry.referencesOf(0), 0u);
    EXPECT_EQ(deletions, 0) << "releasing the last handle must not delete";
    EXPECT_EQ(registry.objectIn(0), first);

    Pointer<Tracked> next;
    registry.pointerAdd(make(2), &next);
    EXPECT_EQ(registry.slotCount(), 1u);
    EXPECT_EQ(deletions, 1) << "reusing the slot deletes its old object";
    EXPECT_EQ(next->m_id, 2);
    EXPECT_EQ(registry.referencesOf(0), 1u);
}

TEST_F(Handles, ReleasedSlotsAreReusedOldestReleaseFirstBeforeTheTableGrows) {
    Pointer<Tracked> old[3];
    for (int i = 0; i < 3; ++i)
        registry.pointerAdd(make(i), &old[i]);
    old[2].nullify();
    old[0].nullify();
    old[1].nullify();
    Pointer<Tracked> fresh[4];
    for (int i = 0; i < 4; ++i)
        registry.pointerAdd(make(10 + i), &fresh[i]);
    EXPECT_EQ(registry.objectIn(2)->m_id, 10);
    EXPECT_EQ(registry.objectIn(0)->m_id, 11);
    EXPECT_EQ(registry.objectIn(1)->m_id, 12);
    EXPECT_EQ(registry.objectIn(3)->m_id, 13) << "grows once no released slot is left";
    EXPECT_EQ(fresh[0]->m_id, 10);
}

TEST_F(Handles, DestroyDeletesOnceAndEveryHandleOfTheSlotReadsNull) {
    Pointer<Tracked> handle;
    registry.pointerAdd(make(1), &handle);
    Pointer<Tracked> copy = handle;
    Pointer<TrackedChild> child;
    registry.pointerAdd(makeChild(2), &child);

    child.destroy();
    EXPECT_TRUE(child.isNull());
    EXPECT_EQ(deletions, 1);
    EXPECT_FALSE(handle.isNull()) << "only the destroyed slot is emptied";
    copy.destroy();
    EXPECT_EQ(deletions, 2);
    EXPECT_TRUE(handle.isNull());
    EXPECT_EQ(handle.operator->(), nullptr);
    EXPECT_EQ(registry.referencesOf(0), 2u) << "destroy must not touch the counts";

    handle.nullify();
    copy.nullify();
    Pointer<Tracked> next;
    registry.pointerAdd(make(3), &next);
    EXPECT_EQ(registry.slotCount(), 2u) << "slot 0 is reused";
    EXPECT_EQ(deletions, 2) << "a destroyed object must not be deleted again on reuse";
    EXPECT_FALSE(next.isNull());
}

// A handle that already names a slot of the registry lets go of it first,
// so that slot is the one reused: for handles of the registry's type and of
// a derived type alike.
TEST_F(Handles, AddIntoAHandleOfTheSameRegistryReusesTheSlotItHeld) {
    Pointer<Tracked> base[2];
    Pointer<TrackedChild> child;
    registry.pointerAdd(make(0), &base[0]);
    registry.pointerAdd(makeChild(1), &child);
    registry.pointerAdd(make(2), &base[1]);

    registry.pointerAdd(make(99), &base[1]);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(deletions, 1);
    EXPECT_EQ(base[1]->m_id, 99);
    EXPECT_EQ(registry.referencesOf(2), 1u);

    TrackedChild* replacement = makeChild(98);
    registry.pointerAdd(replacement, &child);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(child.operator->(), replacement);
    EXPECT_EQ(registry.referencesOf(1), 1u);
}

TEST_F(Handles, AddIntoAHandleOfAnotherRegistryReleasesItThere) {
    InspectableManager<Tracked> other(10);
    Pointer<Tracked> handle;
    other.pointerAdd(make(1), &handle);
    registry.pointerAdd(make(2), &handle);
    EXPECT_EQ(other.referencesOf(0), 0u);
    EXPECT_EQ(registry.referencesOf(0), 1u);
    EXPECT_EQ(handle->m_id, 2);
}

TEST_F(Handles, ObjectsAddedWithoutAHandleAreNeverReused) {
    registry.pointerAdd(make(1), nullptr);
    registry.pointerAdd(makeChild(2), static_cast<Pointer<TrackedChild>*>(nullptr));
    Pointer<Tracked> handle;
    registry.pointerAdd(make(3), &handle);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(registry.referencesOf(0), 0u);
    EXPECT_EQ(registry.referencesOf(1), 0u);
    EXPECT_EQ(deletions, 0);
}

TEST_F(Handles, AssignmentMovesTheReferenceAndAnEqualHandleChangesNoCount) {
    Pointer<Tracked> a, b;
    registry.pointerAdd(make(1), &a);
    registry.pointerAdd(make(2), &b);
    Pointer<Tracked> c = a;
    Pointer<Tracked>& alias = c;
    c = alias;
    c = a;
    EXPECT_EQ(registry.referencesOf(0), 2u);

    c = b;
    EXPECT_EQ(registry.referencesOf(0), 1u);
    EXPECT_EQ(registry.referencesOf(1), 2u);
    EXPECT_EQ(c->m_id, 2);
    c = Pointer<Tracked>();
    EXPECT_EQ(registry.referencesOf(1), 1u);
    EXPECT_TRUE(c.isNull());
}

TEST_F(Handles, EqualityComparesSlotAndRegistryAndEmptyHandlesIgnoreReleases) {
    Pointer<Tracked> emptyA, emptyB;
    emptyA.nullify();
    emptyA.destroy();
    EXPECT_TRUE(emptyA.isNull());
    EXPECT_TRUE(emptyA == emptyB);

    Pointer<Tracked> slot0;
    registry.pointerAdd(make(1), &slot0);
    EXPECT_TRUE(emptyA != slot0) << "an empty handle has index 0 but no registry";
    InspectableManager<Tracked> other(10);
    Pointer<Tracked> otherSlot0;
    other.pointerAdd(make(2), &otherSlot0);
    EXPECT_NE(slot0, otherSlot0);
    EXPECT_EQ(slot0, Pointer<Tracked>(slot0));
    EXPECT_EQ(deletions, 0);
}

// TrackedChild's Tracked part does not start at its address, so these
// catch a handle that reinterprets instead of converting.
TEST_F(Handles, HandlesOfRelatedTypesConvertTheAddressAndCountLikeTheirBase) {
    TrackedChild* child = makeChild(7);
    Pointer<TrackedChild> handle;
    registry.pointerAdd(child, &handle);
    EXPECT_EQ(&*handle, child);
    EXPECT_EQ(handle->childValue(), 70);
    {
        Pointer<TrackedChild> copy = handle;
        Pointer<TrackedChild> assigned;
        assigned = copy;
        EXPECT_EQ(registry.referencesOf(0), 3u);
        EXPECT_TRUE(assigned == handle);
    }
    handle.nullify();
    EXPECT_EQ(registry.referencesOf(0), 0u);
    Pointer<Tracked> next;
    registry.pointerAdd(make(2), &next);
    EXPECT_EQ(registry.slotCount(), 1u) << "the derived handle's release queued the slot";

    // Handles of base types into a registry of the derived type.
    InspectableManager<TrackedChild> children(4);
    TrackedChild *first = makeChild(3), *second = makeChild(4);
    Pointer<Tracked> tracked;
    Pointer<LeadingBase> leading;
    children.pointerAdd(first, &tracked);
    children.pointerAdd(second, &leading);
    EXPECT_EQ(&*tracked, static_cast<Tracked*>(first));
    EXPECT_EQ(tracked->m_id, 3);
    EXPECT_EQ(&*leading, static_cast<LeadingBase*>(second));
    EXPECT_EQ(children.referencesOf(0), 1u);
    EXPECT_EQ(children.referencesOf(1), 1u);
}

TEST_F(Handles, ReleasingAZeroCountThrowsUnderflowAndBadIndexesAreOutOfRange) {
    registry.pointerAdd(make(1), nullptr);
    try {
        registry.releaseOnce(0);
        FAIL() << "no exception";
    } catch (const std::underflow_error& error) {
        EXPECT_STREQ(error.what(), "Pointer references have underflowed");
    }
    EXPECT_THROW(registry.takeReference(1), std::out_of_range);
    EXPECT_THROW(registry.releaseOnce(7), std::out_of_range);
}

TEST_F(Handles, ASlotRevivedWhileItWaitsInTheQueueIsSkippedNotReused) {
    Pointer<Tracked> handle;
    registry.pointerAdd(make(1), &handle);
    handle.nullify();
    registry.takeReference(0);
    Pointer<Tracked> next;
    registry.pointerAdd(make(2), &next);
    EXPECT_EQ(registry.slotCount(), 2u);
    EXPECT_EQ(deletions, 0);
    registry.releaseOnce(0);
}

// The game's cursor fetched its sprite on every draw and let it go after:
// each frame queued the same slot again and the queue grew without end.
TEST_F(Handles, ASlotReleasedAgainWhileItWaitsInTheReleaseQueueIsNotQueuedTwice) {
    Pointer<Tracked> kept, churned;
    registry.pointerAdd(make(1), &kept);
    registry.pointerAdd(make(2), &churned);
    churned.nullify();
    for (int frame = 0; frame < 1000; ++frame) {
        registry.takeReference(1);
        registry.releaseOnce(1);
    }
    EXPECT_EQ(registry.queuedSlots(), 1u);

    // The queue still hands the slot out, once, and then grows the table.
    Pointer<Tracked> first, second;
    registry.pointerAdd(make(3), &first);
    registry.pointerAdd(make(4), &second);
    EXPECT_EQ(registry.objectIn(1)->m_id, 3);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(registry.queuedSlots(), 0u);
    // Popped, revived and released again, the slot queues anew.
    first.nullify();
    EXPECT_EQ(registry.queuedSlots(), 1u);
}

// An object whose destructor releases a handle into its own registry, as
// entities that follow other entities do.
class Follower : public Tracked {
  public:
    Follower(int id, int* deletions, const Pointer<Tracked>& target)
        : Tracked(id, deletions), m_target(target) {}
    Pointer<Tracked> m_target;
};

TEST(HandleRegistryTeardown, DeletesEveryObjectOnceWhateverItsCount) {
    int deletions = 0;
    {
        InspectableManager<Tracked> registry(2);
        Pointer<Tracked> target, released, destroyed;
        registry.pointerAdd(new Tracked(1, &deletions), &target);
        registry.pointerAdd(new Follower(2, &deletions, target), nullptr);
        registry.pointerAdd(new Tracked(3, &deletions), &released);
        registry.pointerAdd(new Tracked(4, &deletions), &destroyed);
        released.nullify();
        target.nullify();
        destroyed.destroy();
    }
    EXPECT_EQ(deletions, 4);
}

} // namespace
