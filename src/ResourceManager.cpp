// Initialisation contract of the resource manager.
#include "ResourceManager.h"

#include "ApplicationController.h"
#include "Logger.h"

ResourceManager::ResourceManager(ApplicationController* appController)
    : m_initialized(false), m_appController(appController) {}

ResourceManager::~ResourceManager() = default;

void ResourceManager::initialize() {
    if (m_initialized) {
        m_appController->getLogger()->logError("ResourceManager is already initialized");
        return;
    }
    m_initialized = true;
}

bool ResourceManager::refuseBeforeInitialize(const char* operation) const {
    if (m_initialized)
        return false;
    m_appController->getLogger()->logError("%s can't execute until ResourceManager is initialized.",
                                           operation);
    return true;
}

void ResourceManager::unloadTextures() {
    refuseBeforeInitialize("unloadTextures()");
}
void ResourceManager::reloadTextures() {
    refuseBeforeInitialize("reloadTextures()");
}
void ResourceManager::unloadSounds() {
    refuseBeforeInitialize("unloadSounds()");
}
void ResourceManager::reloadSounds() {
    refuseBeforeInitialize("reloadSounds()");
}
