// A resource that loads nothing and writes every unload, reload and deletion
// into a shared journal, so tests can check counts and order.
#pragma once

#include "Resources/Resource.h"

#include <string>
#include <utility>
#include <vector>

using ResourceJournal = std::vector<std::string>;

class FakeResource : public Resource {
  public:
    FakeResource(std::string name, ResourceJournal* journal)
        : Resource(nullptr), m_name(std::move(name)), m_journal(journal) {
        m_loaded = true;
    }
    ~FakeResource() override { m_journal->push_back("delete " + m_name); }

    void unload() override {
        m_loaded = false;
        m_journal->push_back("unload " + m_name);
    }
    void reload() override {
        m_loaded = true;
        m_journal->push_back("reload " + m_name);
    }

    const std::string& name() const { return m_name; }

  private:
    std::string m_name;
    ResourceJournal* m_journal;
};

// A concrete kind, as textures and sounds are: handles of this type are
// filled through the registry's Resource interface.
class FakeTexture : public FakeResource {
  public:
    using FakeResource::FakeResource;
    int width() const { return 64; }
};
