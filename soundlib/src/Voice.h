// What a channel does while it plays: pull frames from its source, loop it
// as often as asked, resample to the mix rate by linear interpolation, and add
// the result into the stereo mix with a gain per side.
#pragma once

#include "Decoder.h"

#include <cstdint>
#include <vector>

namespace soundlib {

class Voice {
  public:
    // `loops` says whether the sound may loop at all; `loopCount` is -1 for
    // forever, else the number of extra passes.
    void start(Decoder& source, bool loops, int mixRate);
    void setLoopCount(int loopCount) { loopsLeft_ = loopCount; }
    int sourceChannels() const { return channels_; }
    // Adds up to `frames` frames into `stereoOut`. Returns false once the
    // sound has played out; the voice then adds nothing more.
    bool mix(float* stereoOut, int frames, float gainLeft, float gainRight);
    bool finished() const { return finished_; }

  private:
    static constexpr int kWindowFrames = 1024;
    static constexpr int kFracBits = 32;

    void refill();
    int pull(float* out, int frames);
    void mixSpan(float* stereoOut, int frames, float gainLeft, float gainRight);
    int framesBeforeRefill() const;

    Decoder* source_ = nullptr;
    int channels_ = 1;
    bool loops_ = false;
    int loopsLeft_ = -1;
    // Source frames; window_[i * channels_] is the first sample of frame i.
    std::vector<float> window_;
    int windowFrames_ = 0;
    // Read position in source frames relative to window_[0], 32.32 fixed point.
    std::uint64_t position_ = 0;
    std::uint64_t step_ = 0;
    // The source is exhausted: the window ends with one silent frame so that
    // the last real frame fades to zero instead of stopping mid-interval.
    bool sourceDone_ = false;
    bool finished_ = false;
};

} // namespace soundlib
