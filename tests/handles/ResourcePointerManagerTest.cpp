// Keyed resource registry: lookup, revival of released resources, eviction
// when a slot is reused, bulk unload and reload, teardown order, copies, and
// handles of a concrete kind.
#include "Registries.h"

#include <gtest/gtest.h>

namespace {

class Resources : public ::testing::Test {
  protected:
    FakeResource* make(const std::string& name) { return new FakeResource(name, &journal); }

    ResourceJournal journal;
    InspectableResources registry;
};

TEST_F(Resources, UnknownKeyLeavesTheHandleAloneAndALookupWithoutOneTakesNoReference) {
    Pointer<Resource> held;
    registry.pointerAdd(make("a"), 7, &held);
    Pointer<Resource> dest = held;
    EXPECT_FALSE(registry.pointerGet(2, &dest));
    EXPECT_TRUE(dest == held);
    EXPECT_TRUE(registry.pointerGet(7, nullptr));
    EXPECT_EQ(registry.referencesOf(0), 2u);
}

TEST_F(Resources, ReleasedResourceIsRevivedByKeyAndItsSlotIsNotReused) {
    FakeResource* a = make("a");
    Pointer<Resource> held;
    registry.pointerAdd(a, 7, &held);
    held.nullify();
    ASSERT_TRUE(registry.pointerGet(7, &held));
    EXPECT_EQ(&*held, a);
    EXPECT_EQ(registry.referencesOf(0), 1u);

    Pointer<Resource> other;
    registry.pointerAdd(make("b"), 8, &other);
    EXPECT_EQ(registry.slotCount(), 2u);
    EXPECT_TRUE(registry.pointerGet(7, nullptr));
    EXPECT_TRUE(journal.empty()) << "revival must neither reload nor delete";
}

TEST_F(Resources, ReusingASlotEvictsOnlyTheKeyItHeld) {
    Pointer<Resource> one, five, nine;
    registry.pointerAdd(make("one"), 1, &one);
    registry.pointerAdd(make("five"), 5, &five);
    five.nullify();
    registry.pointerAdd(make("nine"), 9, &nine);

    EXPECT_EQ(registry.slotCount(), 2u);
    EXPECT_EQ(journal, ResourceJournal({"delete five"}));
    EXPECT_FALSE(registry.pointerGet(5, nullptr));
    Pointer<Resource> probe;
    ASSERT_TRUE(registry.pointerGet(9, &probe));
    EXPECT_TRUE(probe == nine);
    ASSERT_TRUE(registry.pointerGet(1, &probe));
    EXPECT_TRUE(probe == one);
}

TEST_F(Resources, UnloadAndReloadReachEveryLiveResourceOnceInSlotOrder) {
    Pointer<Resource> a, b, gone;
    registry.pointerAdd(make("a"), 3, &a);
    registry.pointerAdd(make("b"), 1, &b);
    registry.pointerAdd(make("c"), 2, nullptr);
    registry.pointerAdd(make("gone"), 4, &gone);
    b.nullify(); // released but cached: still reached
    gone.destroy();
    journal.clear();

    registry.unloadResources();
    registry.reloadResources();
    EXPECT_EQ(journal, ResourceJournal({"unload a", "unload b", "unload c", "reload a", "reload b",
                                        "reload c"}));
}

TEST_F(Resources, HandlesOfAConcreteKindAreFilledThroughTheResourceInterface) {
    auto* texture = new FakeTexture("wall", &journal);
    Pointer<FakeTexture> first, second;
    registry.pointerAdd(texture, 11, &first);
    EXPECT_EQ(&*first, texture);
    EXPECT_EQ(first->width(), 64);
    ASSERT_TRUE(registry.pointerGet(11, &second));
    EXPECT_TRUE(second == first);
    ASSERT_TRUE(registry.pointerGet(11, &second));
    EXPECT_EQ(registry.referencesOf(0), 2u) << "a handle already naming the key keeps its count";
    EXPECT_FALSE(registry.pointerGet(12, &second));
    EXPECT_TRUE(second == first);

    second.nullify();
    first.nullify();
    ASSERT_TRUE(registry.pointerGet(11, &first));
    EXPECT_EQ(registry.referencesOf(0), 1u);
    EXPECT_TRUE(journal.empty());
}

TEST(ResourceRegistryTeardown, UnloadsEverythingBeforeDeleting) {
    ResourceJournal journal;
    {
        ResourcePointerManager registry;
        Pointer<Resource> held;
        registry.pointerAdd(new FakeResource("a", &journal), 4, &held);
        registry.pointerAdd(new FakeResource("b", &journal), 5, nullptr);
        held.nullify();
    }
    EXPECT_EQ(journal, ResourceJournal({"unload a", "unload b", "delete a", "delete b"}));
}

TEST(ResourceRegistryCopy, CopyIsAnEmptyRegistryAndAssignmentKeepsTheTarget) {
    ResourceJournal journal;
    ResourcePointerManager original;
    original.pointerAdd(new FakeResource("a", &journal), 1, nullptr);
    ResourcePointerManager copy(original);
    EXPECT_FALSE(copy.pointerGet(1, nullptr));

    ResourcePointerManager target;
    target.pointerAdd(new FakeResource("b", &journal), 2, nullptr);
    target = original;
    EXPECT_TRUE(target.pointerGet(2, nullptr));
    EXPECT_FALSE(target.pointerGet(1, nullptr));
    EXPECT_TRUE(original.pointerGet(1, nullptr));
}

} // namespace
