// Silent audio system: it has no sound library behind it yet, but keeps the
// start-up and teardown contract with the resource manager.
#include "AudioSystem.h"

#include "ApplicationController.h"
#include "ResourceManager.h"

AudioSystem::AudioSystem(ApplicationController* appController)
    : m_initialized(false), m_appController(appController) {}

AudioSystem::~AudioSystem() {
    uninitialize();
}

void AudioSystem::initialize(int /*driver*/) {
    uninitialize();
    m_initialized = true;
    m_appController->getResourceManager()->reloadSounds();
}

void AudioSystem::uninitialize() {
    if (!m_initialized)
        return;
    m_appController->getResourceManager()->unloadSounds();
    m_initialized = false;
}

void AudioSystem::update() {}
