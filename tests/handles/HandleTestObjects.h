// Objects and a registry view shared by the handle tests: objects that report
// their own deletion, a derived type whose base is not its first subobject,
// and a registry subclass that exposes the slot counts the tests assert on.
#pragma once

#include "PointerManager.h"

#include <cstddef>
#include <cstdint>

class Tracked {
  public:
    Tracked(int id, int* deletions) : m_id(id), m_deletions(deletions) {}
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;
    virtual ~Tracked() { ++*m_deletions; }

    int m_id;

  private:
    int* m_deletions;
};

// Placed before Tracked among the bases, so that a Tracked* and a
// TrackedChild* to the same object differ in address: a handle that
// reinterpreted instead of converting would point at the wrong bytes.
class LeadingBase {
  public:
    virtual ~LeadingBase() = default;
    double m_padding = 42.0;
};

class TrackedChild : public LeadingBase, public Tracked {
  public:
    TrackedChild(int id, int* deletions) : Tracked(id, deletions) {}
    int childValue() const { return m_id * 10; }
};

template <class T> class InspectableManager : public PointerManager<T> {
  public:
    using PointerManager<T>::PointerManager;

    std::uint32_t referencesOf(unsigned int handle) {
        return this->m_pointers.at(handle)->m_references;
    }
    std::size_t slotCount() const { return this->m_pointers.size(); }
    std::size_t queuedSlots() const { return this->m_unusedHandles.size(); }
    T* objectIn(unsigned int handle) { return this->m_pointers.at(handle)->m_pointer; }
    void releaseOnce(unsigned int handle) { this->referenceDecrement(handle); }
    void takeReference(unsigned int handle) { this->referenceIncrement(handle); }
};
