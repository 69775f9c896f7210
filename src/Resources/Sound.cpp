// Sound creation and playback. Every sound loops by default; play() sets a
// loop count of 0 for one-shots. Channels start paused so that pan and
// volume are in place before the first sample is heard.
#include "Resources/Sound.h"

#include "ApplicationController.h"
#include "AudioSystem.h"
#include "Logger.h"
#include "Resources/VirtualFile.h"

Sound::Sound(ApplicationController* appController) : Resource(appController), m_sound(nullptr) {}

Sound::~Sound() {
    unload();
}

void Sound::load(const char* path, bool stream, const FMOD_CREATESOUNDEXINFO* soundExInfo) {
    unload();
    m_path = path;
    AudioSystem* audio = m_appController->getAudioSystem();
    if (!m_soundExInfo)
        m_soundExInfo.reset(audio->initFMOD_CREATESOUNDEXINFO());
    if (soundExInfo != nullptr)
        *m_soundExInfo = *soundExInfo;
    if (!audio->getInitialized())
        return;

    Logger& logger = *m_appController->getLogger();
    const VirtualFileMessages messages = {"Sound file %s not found", "Sound file %s failed to open",
                                          "Sound file %s failed to get sound file length",
                                          "Failed to read sound file %s into buffer",
                                          "Failed to close sound file %s"};
    m_soundMemBuffer = readWholeVirtualFile(m_path.c_str(), messages, logger);
    m_soundExInfo->length = static_cast<unsigned int>(m_soundMemBuffer.size());

    FMOD_MODE mode = FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE | FMOD_OPENMEMORY;
    if (stream)
        mode |= FMOD_CREATESTREAM;
    if (FMOD_System_CreateSound(audio->getFMODsystem(), m_soundMemBuffer.data(), mode,
                                m_soundExInfo.get(), &m_sound) != FMOD_OK) {
        m_sound = nullptr;
        logger.logError("Failed to create sound %s", m_path.c_str());
    } else {
        m_loaded = true;
    }
    if (!stream || !m_loaded)
        std::vector<char>().swap(m_soundMemBuffer);
}

void Sound::unload() {
    if (!m_loaded)
        return;
    // Releasing the sound stops its channels before the memory they read goes.
    FMOD_Sound_Release(m_sound);
    std::vector<char>().swap(m_soundMemBuffer);
    m_sound = nullptr;
    m_loaded = false;
}

void Sound::reload() {
    const std::string path = m_path;
    load(path.c_str(), m_soundExInfo != nullptr, nullptr);
}

FMOD_CHANNEL* Sound::startPaused(bool loop) {
    if (!m_loaded)
        return nullptr;
    Logger& logger = *m_appController->getLogger();
    FMOD_CHANNEL* channel = nullptr;
    if (FMOD_System_PlaySound(m_appController->getAudioSystem()->getFMODsystem(), FMOD_CHANNEL_FREE,
                              m_sound, 1, &channel) != FMOD_OK) {
        logger.logError("Failed to play sound");
        return nullptr;
    }
    if (!loop && FMOD_Channel_SetLoopCount(channel, 0) != FMOD_OK) {
        logger.logError("Failed to set loop count of sound");
        return nullptr;
    }
    return channel;
}

FMOD_CHANNEL* Sound::unpause(FMOD_CHANNEL* channel) {
    if (channel == nullptr)
        return nullptr;
    if (FMOD_Channel_SetPaused(channel, 0) != FMOD_OK) {
        m_appController->getLogger()->logError("Failed to unpause sound");
        return nullptr;
    }
    return channel;
}

FMOD_CHANNEL* Sound::play(bool loop) {
    return unpause(startPaused(loop));
}

FMOD_CHANNEL* Sound::play(float x, float y, bool loop) {
    FMOD_CHANNEL* channel = startPaused(loop);
    if (channel != nullptr) {
        AudioSystem* audio = m_appController->getAudioSystem();
        audio->soundUpdatePan(channel, x);
        audio->soundUpdateVolume(channel, x, y);
    }
    return unpause(channel);
}
