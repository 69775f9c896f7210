// Slot registry and handles: counting, slot reuse oldest release first,
// destroy, handles of related types, the registry's own teardown, and the
// failures of corrupt counts and bad indexes.
#include "Registries.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

class Handles : public ::testing::Test {
  protected:
    template <class T = Tracked> Pointer<T> add(int id) {
        Pointer<T> handle;
        registry.pointerAdd(new T(id, &deletions), &handle);
        return handle;
    }

    int deletions = 0;
    InspectableManager<Tracked> registry{10};
};

TEST_F(Handles, ReleasedSlotsKeepTheirObjectUntilReusedOldestReleaseFirst) {
    Pointer<Tracked> old[3] = {add(0), add(1), add(2)};
    {
        Pointer<Tracked> copy(old[0]);
        EXPECT_EQ(registry.referencesOf(0), 2u);
    }
    old[2].nullify();
    old[0].nullify();
    old[1].nullify();
    EXPECT_EQ(deletions, 0) << "releasing the last handle must not delete";

    Pointer<Tracked> fresh[4] = {add(10), add(11), add(12), add(13)};
    EXPECT_EQ(deletions, 3) << "reusing a slot deletes its old object";
    EXPECT_EQ(registry.objectIn(2)->m_id, 10);
    EXPECT_EQ(registry.objectIn(0)->m_id, 11);
    EXPECT_EQ(registry.objectIn(1)->m_id, 12);
    EXPECT_EQ(registry.objectIn(3)->m_id, 13) << "grows once no released slot is left";
    EXPECT_EQ(fresh[0]->m_id, 10);
    EXPECT_EQ(registry.referencesOf(2), 1u);
}

TEST_F(Handles, DestroyDeletesOnceAndEveryHandleOfTheSlotReadsNull) {
    Pointer<Tracked> handle = add(1), copy = handle;
    Pointer<TrackedChild> child = add<TrackedChild>(2);
    child.destroy();
    EXPECT_TRUE(child.isNull());
    EXPECT_FALSE(handle.isNull()) << "only the destroyed slot is emptied";
    copy.destroy();
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(handle.operator->(), nullptr);
    EXPECT_EQ(registry.referencesOf(0), 2u) << "destroy must not touch the counts";

    handle.nullify();
    copy.nullify();
    Pointer<Tracked> next = add(3);
    EXPECT_EQ(registry.slotCount(), 2u) << "slot 0 is reused";
    EXPECT_EQ(deletions, 2) << "a destroyed object must not be deleted again on reuse";
}

// A handle that already names a slot lets go of it first: in this registry
// that slot is the one reused, whether the handle has the registry's type
// or a derived one.
TEST_F(Handles, AddIntoAHandleReleasesWhatItHeld) {
    InspectableManager<Tracked> other(10);
    Pointer<Tracked> first = add(0), last = add(2);
    Pointer<TrackedChild> child = add<TrackedChild>(1);
    registry.pointerAdd(new Tracked(99, &deletions), &last);
    auto* replacement = new TrackedChild(98, &deletions);
    registry.pointerAdd(replacement, &child);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(last->m_id, 99);
    EXPECT_EQ(child.operator->(), replacement);
    EXPECT_EQ(registry.referencesOf(2), 1u);

    other.pointerAdd(new Tracked(3, &deletions), &first);
    EXPECT_EQ(registry.referencesOf(0), 0u);
    EXPECT_EQ(other.referencesOf(0), 1u);
}

TEST_F(Handles, AssignmentMovesTheReferenceAndEqualityComparesSlotAndRegistry) {
    Pointer<Tracked> a = add(1), b = add(2), c = a;
    Pointer<Tracked>& alias = c;
    c = alias;
    c = a;
    EXPECT_EQ(registry.referencesOf(0), 2u) << "an equal handle changes no count";
    c = b;
    EXPECT_EQ(registry.referencesOf(0), 1u);
    EXPECT_EQ(registry.referencesOf(1), 2u);
    c = Pointer<Tracked>();
    EXPECT_EQ(registry.referencesOf(1), 1u);

    c.nullify();
    c.destroy();
    EXPECT_TRUE(c.isNull()) << "an empty handle ignores releases";
    EXPECT_TRUE(c == Pointer<Tracked>());
    EXPECT_TRUE(c != a) << "an empty handle has index 0 but no registry";
}

// TrackedChild's Tracked part does not start at its address, so these
// catch a handle that reinterprets instead of converting.
TEST_F(Handles, HandlesOfRelatedTypesConvertTheAddressAndCountLikeTheirBase) {
    auto* child = new TrackedChild(7, &deletions);
    Pointer<TrackedChild> handle;
    registry.pointerAdd(child, &handle);
    EXPECT_EQ(&*handle, child);
    {
        Pointer<TrackedChild> copy = handle, assigned;
        assigned = copy;
        EXPECT_EQ(registry.referencesOf(0), 3u);
        EXPECT_TRUE(assigned == handle);
    }
    handle.nullify();
    Pointer<Tracked> next = add(2);
    EXPECT_EQ(registry.slotCount(), 1u) << "the derived handle's release queued the slot";

    // Handles of base types into a registry of the derived type.
    InspectableManager<TrackedChild> children(4);
    auto *first = new TrackedChild(3, &deletions), *second = new TrackedChild(4, &deletions);
    Pointer<Tracked> tracked;
    Pointer<LeadingBase> leading;
    children.pointerAdd(first, &tracked);
    children.pointerAdd(second, &leading);
    EXPECT_EQ(&*tracked, static_cast<Tracked*>(first));
    EXPECT_EQ(&*leading, static_cast<LeadingBase*>(second));
    EXPECT_EQ(children.referencesOf(1), 1u);

    // An object registered under its base type, fetched under its own type;
    // a null handle names no registry and leaves the destination alone.
    Pointer<Tracked> base;
    registry.pointerAdd(new TrackedChild(5, &deletions), &base);
    Pointer<TrackedChild> fetched;
    EXPECT_TRUE(PointerManager<Tracked>::pointerGet(base, &fetched));
    EXPECT_FALSE(PointerManager<Tracked>::pointerGet(Pointer<Tracked>(), &fetched));
    EXPECT_EQ(fetched->m_id, 5);
}

// Objects added without a handle stay at a zero count and are never reused.
TEST_F(Handles, ReleasingAZeroCountThrowsUnderflowAndBadIndexesAreOutOfRange) {
    registry.pointerAdd(new Tracked(1, &deletions), nullptr);
    registry.pointerAdd(new TrackedChild(2, &deletions),
                        static_cast<Pointer<TrackedChild>*>(nullptr));
    Pointer<Tracked> handle = add(3);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(deletions, 0);
    try {
        registry.releaseOnce(0);
        FAIL() << "no exception";
    } catch (const std::underflow_error& error) {
        EXPECT_STREQ(error.what(), "Pointer references have underflowed");
    }
    EXPECT_THROW(registry.takeReference(3), std::out_of_range);
    EXPECT_THROW(registry.releaseOnce(7), std::out_of_range);
}

// The game's cursor fetched its sprite on every draw and let it go after:
// each frame queued the same slot again and the queue grew without end.
TEST_F(Handles, ASlotReleasedAgainWhileItWaitsInTheReleaseQueueIsNotQueuedTwice) {
    Pointer<Tracked> kept = add(1), churned = add(2);
    churned.nullify();
    for (int frame = 0; frame < 1000; ++frame) {
        registry.takeReference(1);
        registry.releaseOnce(1);
    }
    EXPECT_EQ(registry.queuedSlots(), 1u);

    // Revived while it waits, the slot is skipped, not reused.
    registry.takeReference(1);
    Pointer<Tracked> appended = add(3);
    EXPECT_EQ(registry.slotCount(), 3u);
    EXPECT_EQ(registry.queuedSlots(), 0u);
    EXPECT_EQ(deletions, 0);
    // Taken off the queue, it queues anew when released again.
    registry.releaseOnce(1);
    Pointer<Tracked> reused = add(4);
    EXPECT_EQ(registry.objectIn(1)->m_id, 4);
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
