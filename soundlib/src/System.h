// The sound system: settings made before Init, the output chosen at Init,
// the mixer with its channels, and the sounds it created.
#pragma once

#include "Mixer.h"
#include "NoSoundOutput.h"
#include "Output.h"
#include "Sound.h"

#include "soundlib.h"

#include <memory>
#include <set>
#include <string>

namespace soundlib {

class System {
  public:
    System() = default;
    ~System();
    System(const System&) = delete;
    System& operator=(const System&) = delete;

    int slot() const { return slot_; }
    void setSlot(int slot) { slot_ = slot; }

    FMOD_RESULT numDrivers(int& count);
    FMOD_RESULT driverCaps(int id, FMOD_CAPS* caps, int* minFrequency, int* maxFrequency,
                           FMOD_SPEAKERMODE* speakerMode);
    FMOD_RESULT driverInfo(int id, char* name, int nameLength, FMOD_GUID* guid);

    FMOD_RESULT setOutput(FMOD_OUTPUTTYPE output);
    FMOD_RESULT setSpeakerMode(FMOD_SPEAKERMODE mode);
    FMOD_RESULT setDspBufferSize(unsigned int bufferLength, int bufferCount);
    FMOD_RESULT setSoftwareFormat(int rate, FMOD_SOUND_FORMAT format, int outputChannels);
    FMOD_RESULT setClock(soundlib_CLOCK clock, void* user);
    FMOD_RESULT setMixTap(soundlib_MIXTAP tap, void* user);

    FMOD_RESULT init(int maxChannels);
    FMOD_RESULT update();

    FMOD_RESULT createSound(const char* nameOrData, FMOD_MODE mode,
                            const FMOD_CREATESOUNDEXINFO* exinfo, Sound*& sound);
    void releaseSound(Sound* sound);
    FMOD_RESULT playSound(int channelIndex, Sound& sound, bool paused, FMOD_CHANNEL*& channel);

    // Null before Init.
    Mixer* mixer() { return mixer_.get(); }

  private:
    bool usesSdl() const { return outputType_ != FMOD_OUTPUTTYPE_NOSOUND; }
    int outputChannelCount() const;

    int slot_ = -1;
    FMOD_OUTPUTTYPE outputType_ = FMOD_OUTPUTTYPE_AUTODETECT;
    FMOD_SPEAKERMODE speakerMode_ = FMOD_SPEAKERMODE_STEREO;
    int mixRate_ = 48000;
    int forcedOutputChannels_ = 0;
    int bufferFrames_ = 1024;
    int driverCount_ = -1; // not yet probed
    Clock clock_;
    soundlib_MIXTAP tap_ = nullptr;
    void* tapUser_ = nullptr;

    std::unique_ptr<Mixer> mixer_;
    std::unique_ptr<Output> output_;
    std::set<Sound*> sounds_;
};

} // namespace soundlib
