// Handle copies, releases and dereferences must not allocate: entities copy
// and drop handles every tick. This binary replaces the global allocator with
// a counting one and compares the count across handle traffic.
#include "Registries.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <vector>

namespace {
std::size_t g_allocations = 0;
} // namespace

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace {

constexpr int OBJECTS = 1000;

// Released and revived twice before the counted traffic, so that the
// release queue holds entries of slots revived since.
TEST(HandleAllocation, CopyAssignDerefAndReleaseAllocateNothing) {
    int deletions = 0;
    InspectableManager<Tracked> registry(4);
    ResourceJournal journal;
    ResourcePointerManager resources;
    std::vector<Pointer<Tracked>> handles(OBJECTS);
    std::vector<Pointer<FakeResource>> keyed(OBJECTS);
    for (int i = 0; i < OBJECTS; ++i) {
        registry.pointerAdd(new Tracked(i, &deletions), &handles[i]);
        resources.pointerAdd(new FakeResource("t", &journal), i, &keyed[i]);
    }
    for (int round = 0; round < 2; ++round)
        for (int i = 0; i < OBJECTS; ++i) {
            keyed[i].nullify();
            resources.pointerGet(static_cast<unsigned long>(i), &keyed[i]);
        }

    const std::size_t before = g_allocations;
    long sum = 0;
    for (int i = 0; i < OBJECTS; ++i) {
        Pointer<Tracked> copy(handles[i]);
        copy = handles[(i + 1) % OBJECTS];
        sum += copy->m_id + (*handles[i]).m_id;
    }
    // Every slot falls to zero and is queued for reuse.
    for (int i = 0; i < OBJECTS; ++i) {
        handles[i].nullify();
        keyed[i] = Pointer<FakeResource>();
    }
    EXPECT_EQ(g_allocations, before);
    EXPECT_GT(sum, 0);
    EXPECT_EQ(registry.queuedSlots(), std::size_t(OBJECTS));
}

} // namespace
