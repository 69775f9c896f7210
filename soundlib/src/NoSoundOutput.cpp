// Clock-driven mixing without a device.
#include "NoSoundOutput.h"

#include <algorithm>
#include <chrono>

namespace soundlib {

std::uint64_t Clock::microseconds() const {
    if (now != nullptr) {
        return now(user);
    }
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(since).count());
}

NoSoundOutput::NoSoundOutput(Mixer& mixer, int mixRate, Clock clock)
    : mixer_(mixer), mixRate_(mixRate), clock_(clock), lastMicros_(clock.microseconds()),
      block_(static_cast<std::size_t>(kBlockFrames * mixer.outputChannels())) {}

FMOD_RESULT NoSoundOutput::update() {
    const std::uint64_t now = clock_.microseconds();
    const std::uint64_t gap = now > lastMicros_ ? std::min(now - lastMicros_, kMaxGapMicros) : 0;
    lastMicros_ = now;
    pending_ += gap * static_cast<std::uint64_t>(mixRate_);
    std::uint64_t frames = pending_ / 1'000'000;
    pending_ %= 1'000'000;
    while (frames > 0) {
        const int count = static_cast<int>(std::min<std::uint64_t>(frames, kBlockFrames));
        mixer_.render(block_.data(), count);
        frames -= static_cast<std::uint64_t>(count);
    }
    return FMOD_OK;
}

} // namespace soundlib
