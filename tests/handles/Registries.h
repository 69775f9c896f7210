// What the handle tests register: objects that count their deletions, a
// derived type whose base is not its first subobject, resources that write
// every unload, reload and deletion into a journal, and registry views that
// expose the slot counts the tests assert on.
#pragma once

#include "PointerManager.h"
#include "ResourcePointerManager.h"
#include "Resources/Resource.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class Tracked {
  public:
    Tracked(int id, int* deletions) : m_id(id), m_deletions(deletions) {}
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
};

template <class Registry> class Inspectable : public Registry {
  public:
    using Registry::Registry;
    std::uint32_t referencesOf(unsigned int handle) {
        return this->m_pointers.at(handle)->m_references;
    }
    std::size_t slotCount() const { return this->m_pointers.size(); }
    std::size_t queuedSlots() const { return this->m_unusedHandles.size(); }
    auto* objectIn(unsigned int handle) { return this->m_pointers.at(handle)->m_pointer; }
    void releaseOnce(unsigned int handle) { this->referenceDecrement(handle); }
    void takeReference(unsigned int handle) { this->referenceIncrement(handle); }
};
template <class T> using InspectableManager = Inspectable<PointerManager<T>>;
using InspectableResources = Inspectable<ResourcePointerManager>;

using ResourceJournal = std::vector<std::string>;

class FakeResource : public Resource {
  public:
    FakeResource(std::string name, ResourceJournal* journal)
        : Resource(nullptr), m_name(std::move(name)), m_journal(journal) {
        m_loaded = true;
    }
    ~FakeResource() override { m_journal->push_back("delete " + m_name); }
    void unload() override { m_journal->push_back("unload " + m_name); }
    void reload() override { m_journal->push_back("reload " + m_name); }

  private:
    std::string m_name;
    ResourceJournal* m_journal;
};
