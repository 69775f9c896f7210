// Keyed resource registry: lookup, revival of released resources, eviction
// when a slot is reused, bulk unload and reload, and teardown order.
#include "Registries.h"

#include <gtest/gtest.h>

namespace {

class Resources : public ::testing::Test {
  protected:
    Pointer<Resource> add(const std::string& name, unsigned long key) {
        Pointer<Resource> handle;
        registry.pointerAdd(new FakeResource(name, &journal), key, &handle);
        return handle;
    }

    ResourceJournal journal;
    InspectableResources registry;
};

TEST_F(Resources, ReleasedResourceIsRevivedByKeyAndItsSlotIsNotReused) {
    Pointer<Resource> held = add("a", 7), dest = held;
    EXPECT_FALSE(registry.pointerGet(2, &dest));
    EXPECT_TRUE(dest == held) << "an unknown key leaves the handle alone";
    EXPECT_TRUE(registry.pointerGet(7, nullptr));
    EXPECT_EQ(registry.referencesOf(0), 2u) << "a lookup without a handle takes no reference";

    Resource* loaded = &*held;
    held.nullify();
    dest.nullify();
    ASSERT_TRUE(registry.pointerGet(7, &held));
    EXPECT_EQ(&*held, loaded);
    EXPECT_EQ(registry.referencesOf(0), 1u);
    Pointer<Resource> other = add("b", 8);
    EXPECT_EQ(registry.slotCount(), 2u);
    EXPECT_TRUE(journal.empty()) << "revival must neither reload nor delete";
}

TEST_F(Resources, ReusingASlotEvictsOnlyTheKeyItHeld) {
    Pointer<Resource> one = add("one", 1), five = add("five", 5);
    five.nullify();
    Pointer<Resource> nine = add("nine", 9), probe;
    EXPECT_EQ(journal, ResourceJournal({"delete five"}));
    EXPECT_FALSE(registry.pointerGet(5, nullptr));
    ASSERT_TRUE(registry.pointerGet(9, &probe));
    EXPECT_TRUE(probe == nine);
    EXPECT_TRUE(registry.pointerGet(1, nullptr));
}

TEST_F(Resources, UnloadAndReloadReachEveryLiveResourceOnceInSlotOrder) {
    Pointer<Resource> a = add("a", 3), b = add("b", 1);
    registry.pointerAdd(new FakeResource("c", &journal), 2, nullptr);
    Pointer<Resource> gone = add("gone", 4);
    b.nullify(); // released but cached: still reached
    gone.destroy();
    journal.clear();
    registry.unloadResources();
    registry.reloadResources();
    EXPECT_EQ(journal, ResourceJournal({"unload a", "unload b", "unload c", "reload a", "reload b",
                                        "reload c"}));
}

TEST(ResourceRegistryLifetime, TeardownUnloadsAllBeforeDeletingAny) {
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

} // namespace
