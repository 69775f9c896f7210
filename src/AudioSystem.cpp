// Sound library start-up. Each step that fails logs its message, releases
// the new system and leaves audio off for the run.
#include "AudioSystem.h"

#include <algorithm>
#include <cstring>

#include "ApplicationController.h"
#include "Logger.h"
#include "ResourceManager.h"

namespace {
// Emulated mixing is smoother with more, smaller buffers.
const unsigned int EMULATED_BUFFER_LENGTH = 1024;
const int EMULATED_BUFFER_COUNT = 10;
// That chipset's drivers misbehave unless mixing is done in float at 48 kHz.
const int SIGMATEL_RATE = 48000;
// How far beyond the full-volume square a source fades to silence.
const double FADE_DISTANCE = 0.4;
} // namespace

float positionalVolume(float x, float y) {
    const auto overshoot = [](float v) -> double {
        if (v < -1.0f)
            return -1.0 - v;
        if (v > 1.0f)
            return v - 1.0;
        return 0.0;
    };
    const double d = std::max(overshoot(x), overshoot(y));
    if (d == 0.0)
        return 1.0f;
    if (d < FADE_DISTANCE)
        return static_cast<float>(1.0 - d / FADE_DISTANCE);
    return 0.0f;
}

AudioSystem::AudioSystem(ApplicationController* appController)
    : m_initialized(false), m_appController(appController), m_fmodSystem(nullptr) {}

AudioSystem::~AudioSystem() {
    uninitialize();
}

bool AudioSystem::fail(const char* message) {
    m_appController->getLogger()->logError("%s", message);
    FMOD_System_Release(m_fmodSystem);
    m_fmodSystem = nullptr;
    return false;
}

void AudioSystem::initialize(int driver) {
    uninitialize();
    if (FMOD_System_Create(&m_fmodSystem) != FMOD_OK) {
        m_fmodSystem = nullptr;
        m_appController->getLogger()->logError("Failed to create sound system");
        return;
    }
    if (!startSystem(driver))
        return;
    m_initialized = true;
    m_appController->getResourceManager()->reloadSounds();
}

bool AudioSystem::startSystem(int driver) {
    unsigned int version = 0;
    if (FMOD_System_GetVersion(m_fmodSystem, &version) != FMOD_OK)
        return fail("Failed to get FMODex version");
    if (version < FMOD_VERSION)
        return fail("You have an older FMODex version");
    int drivers = 0;
    if (FMOD_System_GetNumDrivers(m_fmodSystem, &drivers) != FMOD_OK)
        return fail("Failed to get available drivers");
    if (driver >= drivers)
        driver = 0;
    if (drivers > 0) {
        if (!configureDriver(driver))
            return false;
    } else {
        m_appController->getLogger()->logError("No drivers detected.  Setting output to nothing.");
        if (FMOD_System_SetOutput(m_fmodSystem, FMOD_OUTPUTTYPE_NOSOUND) != FMOD_OK)
            return fail("Failed to set output to nothing");
    }
    return initChannels();
}

bool AudioSystem::configureDriver(int driver) {
    FMOD_CAPS caps = 0;
    FMOD_SPEAKERMODE speakerMode = FMOD_SPEAKERMODE_STEREO;
    if (FMOD_System_GetDriverCaps(m_fmodSystem, driver, &caps, nullptr, nullptr, &speakerMode) !=
        FMOD_OK)
        return fail("Failed to get driver capabilities");
    if (FMOD_System_SetSpeakerMode(m_fmodSystem, speakerMode) != FMOD_OK)
        return fail("Failed to set speaker mode");
    if ((caps & FMOD_CAPS_HARDWARE_EMULATED) &&
        FMOD_System_SetDSPBufferSize(m_fmodSystem, EMULATED_BUFFER_LENGTH, EMULATED_BUFFER_COUNT) !=
            FMOD_OK)
        return fail("Failed to change buffer size to decrease latency");
    char name[DRIVER_NAME_LENGTH] = {};
    if (FMOD_System_GetDriverInfo(m_fmodSystem, driver, name, DRIVER_NAME_LENGTH, nullptr) !=
        FMOD_OK)
        return fail("Failed to get driver info");
    if (std::strstr(name, "SigmaTel") != nullptr &&
        FMOD_System_SetSoftwareFormat(m_fmodSystem, SIGMATEL_RATE, FMOD_SOUND_FORMAT_PCMFLOAT, 0, 0,
                                      FMOD_DSP_RESAMPLER_LINEAR) != FMOD_OK)
        return fail("Failed SigmaTel driver adjustments");
    return true;
}

bool AudioSystem::initChannels() {
    const FMOD_RESULT result =
        FMOD_System_Init(m_fmodSystem, SOUND_CHANNELS, FMOD_INIT_NORMAL, nullptr);
    if (result == FMOD_ERR_OUTPUT_CREATEBUFFER) {
        // The speaker mode the driver reported cannot be opened: plain
        // stereo always can.
        if (FMOD_System_SetSpeakerMode(m_fmodSystem, FMOD_SPEAKERMODE_STEREO) != FMOD_OK)
            return fail("Failed to set speaker mode to stereo");
        if (FMOD_System_Init(m_fmodSystem, SOUND_CHANNELS, FMOD_INIT_NORMAL, nullptr) != FMOD_OK)
            return fail("Failed to reinitialize sound");
    } else if (result != FMOD_OK) {
        return fail("Failed to initialize sound");
    }
    return true;
}

void AudioSystem::uninitialize() {
    if (!m_initialized)
        return;
    m_appController->getResourceManager()->unloadSounds();
    FMOD_System_Release(m_fmodSystem);
    m_fmodSystem = nullptr;
    m_initialized = false;
}

void AudioSystem::update() {
    if (!m_initialized)
        return;
    if (FMOD_System_Update(m_fmodSystem) != FMOD_OK) {
        m_appController->getLogger()->logError("Failed to update sound system");
        uninitialize();
    }
}

void AudioSystem::soundUpdatePosition(FMOD_CHANNEL* soundChannel, float x, float y) {
    if (!m_initialized)
        return;
    FMOD_BOOL playing = 0;
    if (FMOD_Channel_IsPlaying(soundChannel, &playing) != FMOD_OK) {
        m_appController->getLogger()->logError(
            "Failed to determine whether or not a channel is playing");
        playing = 0;
    }
    if (!playing)
        return;
    soundUpdatePan(soundChannel, x);
    soundUpdateVolume(soundChannel, x, y);
}

void AudioSystem::soundUpdatePan(FMOD_CHANNEL* soundChannel, float x) {
    if (!m_initialized)
        return;
    if (FMOD_Channel_SetPan(soundChannel, std::clamp(x, -1.0f, 1.0f)) != FMOD_OK)
        m_appController->getLogger()->logError("Failed to set channel panning");
}

void AudioSystem::soundUpdateVolume(FMOD_CHANNEL* soundChannel, float x, float y) {
    if (!m_initialized)
        return;
    if (FMOD_Channel_SetVolume(soundChannel, positionalVolume(x, y)) != FMOD_OK)
        m_appController->getLogger()->logError("Failed to set channel volume");
}

FMOD_CREATESOUNDEXINFO* AudioSystem::initFMOD_CREATESOUNDEXINFO() const {
    FMOD_CREATESOUNDEXINFO* info = new FMOD_CREATESOUNDEXINFO();
    info->cbsize = sizeof(FMOD_CREATESOUNDEXINFO);
    return info;
}
