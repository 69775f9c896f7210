// The one interface every source of sound frames offers the mixer: decoded
// samples held in memory, WAV/Ogg decoding, MIDI rendering. A channel pulls
// frames from it and rewinds it to loop.
#pragma once

namespace soundlib {

class Decoder {
  public:
    virtual ~Decoder() = default;
    // 1 (mono) or 2 (interleaved stereo).
    virtual int channels() const = 0;
    // Frames per second of the frames read.
    virtual int sampleRate() const = 0;
    // Reads up to `frames` interleaved float frames into `out`. Returns 0 only
    // at the end of the sound (or when the data turns out to be unreadable).
    virtual int read(float* out, int frames) = 0;
    // Goes back to the first frame; false when that is impossible.
    virtual bool rewind() = 0;
    // Frames in one pass when the format says so up front, else -1.
    virtual long long knownFrames() const { return -1; }
};

} // namespace soundlib
