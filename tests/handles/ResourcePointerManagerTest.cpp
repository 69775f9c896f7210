// Keyed resource registry: lookup, revival of released resources, eviction
// when a slot is reused, bulk unload and reload, and teardown order.
#include "ResourcePointerManager.h"
#include "FakeResource.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

class InspectableResources : public ResourcePointerManager {
  public:
    std::uint32_t referencesOf(unsigned int handle) { return m_pointers.at(handle)->m_references; }
    std::size_t slotCount() const { return m_pointers.size(); }
    Resource* objectIn(unsigned int handle) { return m_pointers.at(handle)->m_pointer; }
};

class ResourcePointerManagerTest : public ::testing::Test {
  protected:
    FakeResource* make(const std::string& name) { return new FakeResource(name, &m_journal); }

    ResourceJournal m_journal;
    InspectableResources m_registry;
};

TEST_F(ResourcePointerManagerTest, UnknownKeyIsNotFoundAndLeavesHandleAlone) {
    Pointer<Resource> held;
    m_registry.pointerAdd(make("a"), 1, &held);
    Pointer<Resource> dest = held;

    EXPECT_FALSE(m_registry.pointerGet(2, &dest));
    EXPECT_TRUE(dest == held);
    EXPECT_EQ(m_registry.referencesOf(0), 2u);

    Pointer<Resource> empty;
    EXPECT_FALSE(m_registry.pointerGet(2, &empty));
    EXPECT_TRUE(empty.isNull());
}

TEST_F(ResourcePointerManagerTest, KnownKeyWithoutDestinationChangesNoCount) {
    Pointer<Resource> held;
    m_registry.pointerAdd(make("a"), 7, &held);
    EXPECT_TRUE(m_registry.pointerGet(7, nullptr));
    EXPECT_EQ(m_registry.referencesOf(0), 1u);
}

TEST_F(ResourcePointerManagerTest, ReleasedResourceIsRevivedByKeyWithoutReload) {
    FakeResource* a = make("a");
    Pointer<Resource> held;
    m_registry.pointerAdd(a, 7, &held);
    held.nullify();

    Pointer<Resource> again;
    EXPECT_TRUE(m_registry.pointerGet(7, &again));
    EXPECT_EQ(again.operator->(), a);
    EXPECT_EQ(m_registry.referencesOf(0), 1u);
    EXPECT_TRUE(m_journal.empty()) << "revival must neither reload nor delete";
}

TEST_F(ResourcePointerManagerTest, ReviveThenAddSkipsTheRevivedSlot) {
    Pointer<Resource> held;
    m_registry.pointerAdd(make("a"), 7, &held);
    held.nullify();
    ASSERT_TRUE(m_registry.pointerGet(7, &held));

    Pointer<Resource> other;
    m_registry.pointerAdd(make("b"), 8, &other);
    EXPECT_EQ(m_registry.slotCount(), 2u);
    EXPECT_TRUE(m_registry.pointerGet(7, nullptr));
    EXPECT_TRUE(m_journal.empty());
}

TEST_F(ResourcePointerManagerTest, ReusingASlotEvictsTheOldKey) {
    Pointer<Resource> held;
    m_registry.pointerAdd(make("seven"), 7, &held);
    held.nullify();
    m_registry.pointerAdd(make("twelve"), 12, &held);

    EXPECT_EQ(m_registry.slotCount(), 1u);
    EXPECT_EQ(m_journal, ResourceJournal({"delete seven"}));
    Pointer<Resource> probe;
    EXPECT_FALSE(m_registry.pointerGet(7, &probe));
    ASSERT_TRUE(m_registry.pointerGet(12, &probe));
    EXPECT_TRUE(probe == held);
}

TEST_F(ResourcePointerManagerTest, EvictionRemovesOnlyTheReusedSlotsKey) {
    Pointer<Resource> one;
    Pointer<Resource> five;
    m_registry.pointerAdd(make("one"), 1, &one);
    m_registry.pointerAdd(make("five"), 5, &five);
    five.nullify();
    Pointer<Resource> nine;
    m_registry.pointerAdd(make("nine"), 9, &nine);

    EXPECT_EQ(m_registry.slotCount(), 2u);
    EXPECT_FALSE(m_registry.pointerGet(5, nullptr));
    Pointer<Resource> probe;
    ASSERT_TRUE(m_registry.pointerGet(9, &probe));
    EXPECT_EQ(probe.operator->(), m_registry.objectIn(1));
    ASSERT_TRUE(m_registry.pointerGet(1, &probe));
    EXPECT_EQ(probe.operator->(), m_registry.objectIn(0));
}

TEST_F(ResourcePointerManagerTest, UnloadThenReloadReachesEveryResourceOnceInSlotOrder) {
    Pointer<Resource> a;
    Pointer<Resource> b;
    m_registry.pointerAdd(make("a"), 3, &a);
    m_registry.pointerAdd(make("b"), 1, &b);
    m_registry.pointerAdd(make("c"), 2, nullptr);
    b.nullify(); // released but cached: still reached

    m_registry.unloadResources();
    EXPECT_FALSE(a->getLoaded());
    m_registry.reloadResources();
    EXPECT_TRUE(a->getLoaded());

    EXPECT_EQ(m_journal, ResourceJournal({"unload a", "unload b", "unload c", "reload a",
                                          "reload b", "reload c"}));
}

TEST_F(ResourcePointerManagerTest, BulkOperationsSkipDestroyedResources) {
    Pointer<Resource> a;
    m_registry.pointerAdd(make("a"), 1, &a);
    a.destroy();
    m_journal.clear();
    m_registry.unloadResources();
    m_registry.reloadResources();
    EXPECT_TRUE(m_journal.empty());
}

TEST(ResourcePointerManagerTeardown, DestructionUnloadsEverythingBeforeDeleting) {
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

TEST(ResourcePointerManagerCopy, CopyIsAnEmptyRegistryAndAssignmentKeepsTheTarget) {
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

TEST(ResourcePointerManagerKinds, ConcreteKindHandlesAreFilledThroughTheResourceInterface) {
    ResourceJournal journal;
    InspectableResources registry;
    auto* texture = new FakeTexture("wall", &journal);
    Pointer<FakeTexture> first;
    registry.pointerAdd(texture, 11, &first);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first.operator->(), texture);
    EXPECT_EQ(first->width(), 64);

    Pointer<FakeTexture> second;
    ASSERT_TRUE(registry.pointerGet(11, &second));
    EXPECT_TRUE(second == first);
    EXPECT_EQ(registry.referencesOf(0), 2u);

    Pointer<FakeTexture> missing;
    EXPECT_FALSE(registry.pointerGet(12, &missing));
    EXPECT_TRUE(missing.isNull());

    second.nullify();
    first.nullify();
    EXPECT_EQ(registry.referencesOf(0), 0u);
    ASSERT_TRUE(registry.pointerGet(11, &first));
    EXPECT_EQ(registry.referencesOf(0), 1u);
    EXPECT_TRUE(journal.empty());
}

TEST(ResourcePointerManagerKinds, ConcreteKindHandleAlreadyNamingAKeyKeepsCount) {
    ResourceJournal journal;
    InspectableResources registry;
    Pointer<FakeTexture> h;
    registry.pointerAdd(new FakeTexture("wall", &journal), 11, &h);
    ASSERT_TRUE(registry.pointerGet(11, &h));
    EXPECT_EQ(registry.referencesOf(0), 1u);
}

} // namespace
