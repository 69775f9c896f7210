// A catalogued sound file handed to our sound library from memory. A sample
// is decoded once and drops its memory copy; a stream keeps the copy while it
// exists, since the library reads it during playback.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Resources/Resource.h"
#include "soundlib.h"

class Sound : public Resource {
  public:
    explicit Sound(ApplicationController* appController);
    ~Sound() override;

    void load(const char* path, bool stream, const FMOD_CREATESOUNDEXINFO* soundExInfo);
    void unload() override;
    // Re-creates the sound from the stored path, as a stream.
    void reload() override;

    FMOD_SOUND* getSound() const { return m_loaded ? m_sound : nullptr; }
    bool holdsMemoryCopy() const { return !m_soundMemBuffer.empty(); }

    FMOD_CHANNEL* play(bool loop);
    // Starts the channel panned and faded for a source at (x, y) relative
    // to the listener.
    FMOD_CHANNEL* play(float x, float y, bool loop);

  private:
    FMOD_CHANNEL* startPaused(bool loop);
    FMOD_CHANNEL* unpause(FMOD_CHANNEL* channel);

    std::string m_path;
    std::vector<char> m_soundMemBuffer;
    FMOD_SOUND* m_sound;
    std::unique_ptr<FMOD_CREATESOUNDEXINFO> m_soundExInfo;
};
