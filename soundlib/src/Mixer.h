// The channels of a system and the mixing of all of them into one block.
// The main thread starts and changes channels, the output's thread (or the
// no-sound update) mixes; one lock covers the channels and every decoder a
// channel reads from.
#pragma once

#include "Sound.h"
#include "Voice.h"

#include "soundlib.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace soundlib {

struct Channel {
    // 0 until the channel first plays; a new value each time it starts.
    std::uint64_t generation = 0;
    // Null when the channel is not playing.
    Sound* sound = nullptr;
    std::unique_ptr<Decoder> sampleReader;
    Voice voice;
    bool paused = false;
    float volume = 1.0f;
    float pan = 0.0f;
};

class Mixer {
  public:
    Mixer(int channelCount, int mixRate, int outputChannels);

    int outputChannels() const { return outputChannels_; }
    void setTap(soundlib_MIXTAP tap, void* user);

    // Starts `sound` on `channelIndex` (or a free one for FMOD_CHANNEL_FREE)
    // and returns the channel and generation it got.
    FMOD_RESULT play(int channelIndex, Sound& sound, bool paused, int& channel,
                     std::uint64_t& generation);

    // Runs `change` on the channel if the handle's generation is still the
    // channel's; FMOD_ERR_CHANNEL_STOLEN otherwise.
    template <typename Change>
    FMOD_RESULT withChannel(int index, std::uint64_t generation, Change&& change) {
        if (index < 0 || index >= static_cast<int>(channels_.size())) {
            return FMOD_ERR_INVALID_HANDLE;
        }
        std::lock_guard<std::mutex> lock(mutex_);
        Channel& channel = channels_[static_cast<std::size_t>(index)];
        if (channel.generation != generation) {
            return FMOD_ERR_CHANNEL_STOLEN;
        }
        change(channel);
        return FMOD_OK;
    }

    void stopChannelsOf(const Sound& sound);

    // Mixes `frames` frames of every playing, unpaused channel into `out`
    // (interleaved, outputChannels() per frame).
    void render(float* out, int frames);

  private:
    static constexpr int kBlockFrames = 1024;

    int pickFreeChannel() const;
    void stop(Channel& channel);
    void mixBlock(int frames);

    std::mutex mutex_;
    std::vector<Channel> channels_;
    int mixRate_;
    int outputChannels_;
    std::vector<float> stereo_;
    soundlib_MIXTAP tap_ = nullptr;
    void* tapUser_ = nullptr;
};

} // namespace soundlib
