// Owner of the sound library's system: its start-up, adapted to whatever
// driver the machine has (or none), the once-per-pass update, and the rule
// that turns a source's position relative to the listener into pan and
// volume. Sound problems are logged and never stop the game.
#pragma once

#include "soundlib.h"

class ApplicationController;

const int SOUND_CHANNELS = 100;
const int DRIVER_NAME_LENGTH = 256;

// Volume of a source at (x, y) in the listener's frame, where the square
// from -1 to 1 on both axes is heard at full volume and sound fades out
// linearly over 0.4 beyond it.
float positionalVolume(float x, float y);

class AudioSystem {
  public:
    explicit AudioSystem(ApplicationController* appController);
    virtual ~AudioSystem();
    AudioSystem(const AudioSystem&) = delete;
    AudioSystem& operator=(const AudioSystem&) = delete;

    void initialize(int driver);
    void uninitialize();
    void update();
    bool getInitialized() const { return m_initialized; }
    FMOD_SYSTEM* getFMODsystem() const { return m_fmodSystem; }

    void soundUpdatePosition(FMOD_CHANNEL* soundChannel, float x, float y);
    void soundUpdatePan(FMOD_CHANNEL* soundChannel, float x);
    void soundUpdateVolume(FMOD_CHANNEL* soundChannel, float x, float y);

    // A zero-filled record with its size field set; the caller owns it.
    FMOD_CREATESOUNDEXINFO* initFMOD_CREATESOUNDEXINFO() const;

  private:
    bool startSystem(int driver);
    bool configureDriver(int driver);
    bool initChannels();
    bool fail(const char* message);

    bool m_initialized;
    ApplicationController* m_appController;
    FMOD_SYSTEM* m_fmodSystem;
};
