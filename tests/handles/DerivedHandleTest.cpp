// Handles of a derived or base type that name slots of a registry of another
// type in the same hierarchy.
#include "HandleTestObjects.h"

#include <gtest/gtest.h>

namespace {

class DerivedHandleTest : public ::testing::Test {
  protected:
    int m_deletions = 0;
    InspectableManager<Tracked> m_registry{10};
};

TEST_F(DerivedHandleTest, DerivedHandleYieldsTheSameObjectAsItsOwnType) {
    auto* child = new TrackedChild(7, &m_deletions);
    Pointer<TrackedChild> h;
    m_registry.pointerAdd(child, &h);

    ASSERT_FALSE(h.isNull());
    EXPECT_EQ(h.operator->(), child);
    EXPECT_EQ(&*h, child);
    EXPECT_EQ(h->childValue(), 70);
    EXPECT_EQ(m_registry.referencesOf(0), 1u);
}

TEST_F(DerivedHandleTest, DerivedHandlesCountLikeBaseHandles) {
    Pointer<TrackedChild> h;
    m_registry.pointerAdd(new TrackedChild(1, &m_deletions), &h);
    {
        Pointer<TrackedChild> copy = h;
        Pointer<TrackedChild> assigned;
        assigned = copy;
        EXPECT_EQ(m_registry.referencesOf(0), 3u);
        EXPECT_TRUE(assigned == h);
    }
    h.nullify();
    EXPECT_EQ(m_registry.referencesOf(0), 0u);

    Pointer<Tracked> next;
    m_registry.pointerAdd(new Tracked(2, &m_deletions), &next);
    EXPECT_EQ(m_registry.slotCount(), 1u) << "the derived handle's slot must be queued";
    EXPECT_EQ(m_deletions, 1);
}

TEST_F(DerivedHandleTest, DestroyThroughDerivedHandleNullsBaseHandles) {
    Pointer<TrackedChild> child;
    m_registry.pointerAdd(new TrackedChild(1, &m_deletions), &child);
    Pointer<Tracked> base;
    m_registry.pointerAdd(new Tracked(2, &m_deletions), &base);

    child.destroy();
    EXPECT_TRUE(child.isNull());
    EXPECT_EQ(m_deletions, 1);
    EXPECT_FALSE(base.isNull());
}

TEST_F(DerivedHandleTest, AddIntoDerivedHandleOfSameRegistryReusesItsSlot) {
    Pointer<TrackedChild> h[4];
    for (int i = 0; i < 4; ++i) {
        m_registry.pointerAdd(new TrackedChild(i, &m_deletions), &h[i]);
    }
    auto* replacement = new TrackedChild(99, &m_deletions);
    m_registry.pointerAdd(replacement, &h[3]);

    EXPECT_EQ(m_registry.slotCount(), 4u);
    EXPECT_EQ(m_deletions, 1);
    EXPECT_EQ(h[3].operator->(), replacement);
    EXPECT_EQ(m_registry.referencesOf(3), 1u);
}

TEST_F(DerivedHandleTest, AddWithoutDestinationStillRegisters) {
    m_registry.pointerAdd(new TrackedChild(1, &m_deletions),
                          static_cast<Pointer<TrackedChild>*>(nullptr));
    EXPECT_EQ(m_registry.slotCount(), 1u);
    EXPECT_EQ(m_registry.referencesOf(0), 0u);
}

TEST(BaseTypedHandle, HandleOfABaseClassNamesSlotsOfTheDerivedRegistry) {
    int deletions = 0;
    InspectableManager<TrackedChild> registry(4);
    auto* first = new TrackedChild(3, &deletions);
    auto* second = new TrackedChild(4, &deletions);
    Pointer<Tracked> tracked;
    Pointer<LeadingBase> leading;
    registry.pointerAdd(first, &tracked);
    registry.pointerAdd(second, &leading);

    EXPECT_EQ(tracked.operator->(), static_cast<Tracked*>(first));
    EXPECT_EQ(tracked->m_id, 3);
    EXPECT_EQ(leading.operator->(), static_cast<LeadingBase*>(second));
    EXPECT_EQ(registry.referencesOf(0), 1u);
    EXPECT_EQ(registry.referencesOf(1), 1u);
}

} // namespace
