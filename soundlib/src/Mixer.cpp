// Channel allocation (lowest free index, else the oldest channel is stolen),
// the pan laws, and mixing into the output's channel layout.
#include "Mixer.h"

#include "Handles.h"

#include <algorithm>
#include <cmath>

namespace soundlib {

namespace {

constexpr float kQuarterPi = 0.78539816339744830962f;

struct Gains {
    float left;
    float right;
};

Gains gainsFor(const Channel& channel) {
    const float pan = channel.pan;
    if (channel.voice.sourceChannels() == 1) {
        // Constant power: the sound is equally loud anywhere between the sides.
        const float angle = (pan + 1.0f) * kQuarterPi;
        return {std::cos(angle) * channel.volume, std::sin(angle) * channel.volume};
    }
    // Balance: a stereo sound at the centre plays as recorded.
    return {std::min(1.0f, 1.0f - pan) * channel.volume,
            std::min(1.0f, 1.0f + pan) * channel.volume};
}

} // namespace

Mixer::Mixer(int channelCount, int mixRate, int outputChannels)
    : channels_(static_cast<std::size_t>(channelCount)), mixRate_(mixRate),
      outputChannels_(outputChannels), stereo_(2 * kBlockFrames) {}

void Mixer::setTap(soundlib_MIXTAP tap, void* user) {
    std::lock_guard<std::mutex> lock(mutex_);
    tap_ = tap;
    tapUser_ = user;
}

int Mixer::pickFreeChannel() const {
    int oldest = 0;
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        if (channels_[i].sound == nullptr) {
            return static_cast<int>(i);
        }
        if (channels_[i].generation < channels_[static_cast<std::size_t>(oldest)].generation) {
            oldest = static_cast<int>(i);
        }
    }
    return oldest;
}

void Mixer::stop(Channel& channel) {
    if (channel.sound != nullptr && channel.sound->isStream()) {
        channel.sound->streamChannel = -1;
    }
    channel.sound = nullptr;
    channel.sampleReader.reset();
}

FMOD_RESULT Mixer::play(int channelIndex, Sound& sound, bool paused, int& channel,
                        std::uint64_t& generation) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (channelIndex == FMOD_CHANNEL_FREE) {
        channelIndex = pickFreeChannel();
    } else if (channelIndex < 0 || channelIndex >= static_cast<int>(channels_.size())) {
        return FMOD_ERR_INVALID_PARAM;
    }
    Channel& target = channels_[static_cast<std::size_t>(channelIndex)];
    stop(target);
    Decoder* source = nullptr;
    if (sound.isStream()) {
        if (sound.streamChannel >= 0) {
            stop(channels_[static_cast<std::size_t>(sound.streamChannel)]);
        }
        if (!sound.stream().rewind()) {
            return FMOD_ERR_FORMAT;
        }
        sound.streamChannel = channelIndex;
        source = &sound.stream();
    } else {
        target.sampleReader = sound.newSampleReader();
        source = target.sampleReader.get();
    }
    target.sound = &sound;
    target.generation = nextGeneration();
    target.voice.start(*source, sound.loops(), mixRate_);
    target.paused = paused;
    target.volume = 1.0f;
    target.pan = 0.0f;
    channel = channelIndex;
    generation = target.generation;
    return FMOD_OK;
}

void Mixer::stopChannelsOf(const Sound& sound) {
    std::lock_guard<std::mutex> lock(mutex_);
    for (Channel& channel : channels_) {
        if (channel.sound == &sound) {
            stop(channel);
        }
    }
}

void Mixer::render(float* out, int frames) {
    std::lock_guard<std::mutex> lock(mutex_);
    while (frames > 0) {
        const int block = std::min(frames, kBlockFrames);
        mixBlock(block);
        if (outputChannels_ == 1) {
            for (int i = 0; i < block; ++i) {
                out[i] = 0.5f * (stereo_[2 * i] + stereo_[2 * i + 1]);
            }
        } else {
            std::copy_n(stereo_.data(), 2 * block, out);
        }
        if (tap_ != nullptr) {
            tap_(out, block, outputChannels_, tapUser_);
        }
        out += block * outputChannels_;
        frames -= block;
    }
}

void Mixer::mixBlock(int frames) {
    std::fill_n(stereo_.data(), 2 * frames, 0.0f);
    for (Channel& channel : channels_) {
        if (channel.sound == nullptr || channel.paused) {
            continue;
        }
        const Gains gains = gainsFor(channel);
        if (!channel.voice.mix(stereo_.data(), frames, gains.left, gains.right)) {
            stop(channel);
        }
    }
}

} // namespace soundlib
