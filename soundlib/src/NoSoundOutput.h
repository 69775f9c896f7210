// Output to nowhere: a working system without a device. Each update mixes,
// and throws away, as many frames as the clock says have passed since the
// last one, so channels advance and end just as they would when heard. Tests
// drive the clock to make that deterministic.
#pragma once

#include "Mixer.h"
#include "Output.h"

#include <cstdint>
#include <vector>

namespace soundlib {

struct Clock {
    soundlib_CLOCK now = nullptr; // null: the monotonic wall clock
    void* user = nullptr;
    std::uint64_t microseconds() const;
};

class NoSoundOutput : public Output {
  public:
    NoSoundOutput(Mixer& mixer, int mixRate, Clock clock);
    FMOD_RESULT update() override;

  private:
    // Longer gaps between updates (a debugger stop, a suspended machine) are
    // cut to this, so one update never mixes for minutes.
    static constexpr std::uint64_t kMaxGapMicros = 30'000'000;
    static constexpr int kBlockFrames = 1024;

    Mixer& mixer_;
    int mixRate_;
    Clock clock_;
    std::uint64_t lastMicros_;
    // Microseconds times the mix rate not yet turned into whole frames.
    std::uint64_t pending_ = 0;
    std::vector<float> block_;
};

} // namespace soundlib
