// Keyed resource registry: construction sizes and the bulk unload and reload.
#include "ResourcePointerManager.h"

namespace {
// Capacity hints: a resource kind rarely holds more than a few hundred assets.
constexpr unsigned int RESOURCE_RESERVE = 256;
constexpr unsigned int COPIED_RESERVE = 10;
} // namespace

ResourcePointerManager::ResourcePointerManager() : MappedPointerManager(RESOURCE_RESERVE) {}

ResourcePointerManager::ResourcePointerManager(const ResourcePointerManager& /*other*/)
    : MappedPointerManager(COPIED_RESERVE) {}

ResourcePointerManager& ResourcePointerManager::operator=(const ResourcePointerManager& /*other*/) {
    return *this;
}

ResourcePointerManager::~ResourcePointerManager() {
    unloadResources();
}

void ResourcePointerManager::unloadResources() {
    for (std::size_t pointerIndex = 0; pointerIndex < m_pointers.size(); ++pointerIndex) {
        if (Resource* resource = m_pointers[pointerIndex]->m_pointer) {
            resource->unload();
        }
    }
}

void ResourcePointerManager::reloadResources() {
    for (std::size_t pointerIndex = 0; pointerIndex < m_pointers.size(); ++pointerIndex) {
        if (Resource* resource = m_pointers[pointerIndex]->m_pointer) {
            resource->reload();
        }
    }
}
