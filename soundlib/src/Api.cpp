// The C entry points: check the arguments and the handles, then hand over to
// the system, sound or channel they name.
#include "soundlib.h"

#include "Handles.h"
#include "Mixer.h"
#include "System.h"

#include <algorithm>
#include <memory>

using soundlib::ChannelRef;
using soundlib::Sound;
using soundlib::System;

namespace {

System* asSystem(FMOD_SYSTEM* system) {
    return soundlib::liveSystem(system);
}

// Runs `change` on the live channel a handle names.
template <typename Change> FMOD_RESULT onChannel(FMOD_CHANNEL* handle, Change&& change) {
    ChannelRef ref;
    if (!soundlib::decodeChannel(handle, ref)) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    System* system = soundlib::systemInSlot(ref.systemSlot);
    if (system == nullptr || system->mixer() == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    return system->mixer()->withChannel(ref.channel, ref.generation, std::forward<Change>(change));
}

// NaN becomes the low end rather than reaching the mix.
float clamp(float value, float low, float high) {
    return value >= low ? std::min(value, high) : low;
}

} // namespace

extern "C" {

FMOD_RESULT FMOD_System_Create(FMOD_SYSTEM** system) {
    if (system == nullptr) {
        return FMOD_ERR_INVALID_PARAM;
    }
    auto created = std::make_unique<System>();
    const int slot = soundlib::registerSystem(created.get());
    if (slot < 0) {
        return FMOD_ERR_MEMORY;
    }
    created->setSlot(slot);
    *system = reinterpret_cast<FMOD_SYSTEM*>(created.release());
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_Release(FMOD_SYSTEM* system) {
    System* live = asSystem(system);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    soundlib::unregisterSystem(live->slot());
    delete live;
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_GetVersion(FMOD_SYSTEM* system, unsigned int* version) {
    if (asSystem(system) == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    if (version == nullptr) {
        return FMOD_ERR_INVALID_PARAM;
    }
    *version = FMOD_VERSION;
    return FMOD_OK;
}

FMOD_RESULT FMOD_System_GetNumDrivers(FMOD_SYSTEM* system, int* numdrivers) {
    System* live = asSystem(system);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    if (numdrivers == nullptr) {
        return FMOD_ERR_INVALID_PARAM;
    }
    return live->numDrivers(*numdrivers);
}

FMOD_RESULT FMOD_System_GetDriverCaps(FMOD_SYSTEM* system, int id, FMOD_CAPS* caps,
                                      int* minfrequency, int* maxfrequency,
                                      FMOD_SPEAKERMODE* controlpanelspeakermode) {
    System* live = asSystem(system);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    return live->driverCaps(id, caps, minfrequency, maxfrequency, controlpanelspeakermode);
}

FMOD_RESULT FMOD_System_GetDriverInfo(FMOD_SYSTEM* system, int id, char* name, int namelen,
                                      FMOD_GUID* guid) {
    System* live = asSystem(system);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    if (namelen < 0) {
        return FMOD_ERR_INVALID_PARAM;
    }
    return live->driverInfo(id, name, namelen, guid);
}

FMOD_RESULT FMOD_System_SetOutput(FMOD_SYSTEM* system, FMOD_OUTPUTTYPE output) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE : live->setOutput(output);
}

FMOD_RESULT FMOD_System_SetSpeakerMode(FMOD_SYSTEM* system, FMOD_SPEAKERMODE speakermode) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE : live->setSpeakerMode(speakermode);
}

FMOD_RESULT FMOD_System_SetDSPBufferSize(FMOD_SYSTEM* system, unsigned int bufferlength,
                                         int numbuffers) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE
                           : live->setDspBufferSize(bufferlength, numbuffers);
}

FMOD_RESULT FMOD_System_SetSoftwareFormat(FMOD_SYSTEM* system, int samplerate,
                                          FMOD_SOUND_FORMAT format, int numoutputchannels,
                                          int /*maxinputchannels*/,
                                          FMOD_DSP_RESAMPLER /*resamplemethod*/) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE
                           : live->setSoftwareFormat(samplerate, format, numoutputchannels);
}

FMOD_RESULT FMOD_System_Init(FMOD_SYSTEM* system, int maxchannels, FMOD_INITFLAGS /*flags*/,
                             void* /*extradriverdata*/) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE : live->init(maxchannels);
}

FMOD_RESULT FMOD_System_Update(FMOD_SYSTEM* system) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE : live->update();
}

FMOD_RESULT FMOD_System_CreateSound(FMOD_SYSTEM* system, const char* name_or_data, FMOD_MODE mode,
                                    FMOD_CREATESOUNDEXINFO* exinfo, FMOD_SOUND** sound) {
    System* live = asSystem(system);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    if (sound == nullptr) {
        return FMOD_ERR_INVALID_PARAM;
    }
    Sound* created = nullptr;
    const FMOD_RESULT result = live->createSound(name_or_data, mode, exinfo, created);
    if (result == FMOD_OK) {
        *sound = reinterpret_cast<FMOD_SOUND*>(created);
    }
    return result;
}

FMOD_RESULT FMOD_System_PlaySound(FMOD_SYSTEM* system, FMOD_CHANNELINDEX channelid,
                                  FMOD_SOUND* sound, FMOD_BOOL paused, FMOD_CHANNEL** channel) {
    System* live = asSystem(system);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    Sound* playable = soundlib::liveSound(sound);
    if (playable == nullptr || &playable->owner() != live) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    FMOD_CHANNEL* started = nullptr;
    const FMOD_RESULT result = live->playSound(channelid, *playable, paused != 0, started);
    if (result == FMOD_OK && channel != nullptr) {
        *channel = started;
    }
    return result;
}

FMOD_RESULT FMOD_Sound_Release(FMOD_SOUND* sound) {
    Sound* live = soundlib::liveSound(sound);
    if (live == nullptr) {
        return FMOD_ERR_INVALID_HANDLE;
    }
    live->owner().releaseSound(live);
    return FMOD_OK;
}

FMOD_RESULT FMOD_Channel_SetLoopCount(FMOD_CHANNEL* channel, int loopcount) {
    if (loopcount < -1) {
        return FMOD_ERR_INVALID_PARAM;
    }
    return onChannel(channel,
                     [loopcount](soundlib::Channel& c) { c.voice.setLoopCount(loopcount); });
}

FMOD_RESULT FMOD_Channel_SetPaused(FMOD_CHANNEL* channel, FMOD_BOOL paused) {
    return onChannel(channel, [paused](soundlib::Channel& c) { c.paused = paused != 0; });
}

FMOD_RESULT FMOD_Channel_SetPan(FMOD_CHANNEL* channel, float pan) {
    const float clamped = clamp(pan, -1.0f, 1.0f);
    return onChannel(channel, [clamped](soundlib::Channel& c) { c.pan = clamped; });
}

FMOD_RESULT FMOD_Channel_SetVolume(FMOD_CHANNEL* channel, float volume) {
    const float clamped = clamp(volume, 0.0f, 1.0f);
    return onChannel(channel, [clamped](soundlib::Channel& c) { c.volume = clamped; });
}

FMOD_RESULT FMOD_Channel_IsPlaying(FMOD_CHANNEL* channel, FMOD_BOOL* isplaying) {
    if (isplaying == nullptr) {
        return FMOD_ERR_INVALID_PARAM;
    }
    return onChannel(channel,
                     [isplaying](soundlib::Channel& c) { *isplaying = c.sound != nullptr; });
}

FMOD_RESULT soundlib_System_SetClock(FMOD_SYSTEM* system, soundlib_CLOCK clock, void* userdata) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE : live->setClock(clock, userdata);
}

FMOD_RESULT soundlib_System_SetMixTap(FMOD_SYSTEM* system, soundlib_MIXTAP tap, void* userdata) {
    System* live = asSystem(system);
    return live == nullptr ? FMOD_ERR_INVALID_HANDLE : live->setMixTap(tap, userdata);
}

} // extern "C"
