// The keyed registry of one kind of resource, able to unload and reload every
// resource it holds at once: the video and audio systems use that around the
// loss and re-creation of their graphics and sound contexts.
#pragma once

#include "MappedPointerManager.h"
#include "Resources/Resource.h"

class ResourcePointerManager : public MappedPointerManager<Resource> {
  public:
    ResourcePointerManager();
    // Registries are never shared: a "copy" is a fresh empty registry, and
    // assignment leaves the target as it was.
    ResourcePointerManager(const ResourcePointerManager& other);
    ResourcePointerManager& operator=(const ResourcePointerManager& other);
    // Unloads every resource before the registry deletes them.
    ~ResourcePointerManager() override;

    // Both reach released but still cached resources too, in slot order.
    void unloadResources();
    void reloadResources();
};
