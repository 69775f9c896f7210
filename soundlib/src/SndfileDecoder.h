// Adapter over libsndfile: decodes RIFF WAVE and Ogg Vorbis straight from a
// memory block, a piece at a time, with seeking back to the start for loops.
// The block is read, never copied, and must outlive the decoder.
#pragma once

#include "Decoder.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <sndfile.h>

namespace soundlib {

struct MemoryFile {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
};

// Moves `memory`'s position as fseek moves a file's, but never outside the
// block: the new position, or -1 with the position unchanged.
sf_count_t seekMemory(MemoryFile& memory, sf_count_t offset, int whence);

class SndfileDecoder : public Decoder {
  public:
    // Null with `problem` set when the data is not a mono or stereo sound
    // libsndfile can decode.
    static std::unique_ptr<SndfileDecoder> open(const std::uint8_t* data, std::size_t size,
                                                std::string& problem);
    ~SndfileDecoder() override;
    SndfileDecoder(const SndfileDecoder&) = delete;
    SndfileDecoder& operator=(const SndfileDecoder&) = delete;

    int channels() const override { return info_.channels; }
    int sampleRate() const override { return info_.samplerate; }
    int read(float* out, int frames) override;
    bool rewind() override;

  private:
    SndfileDecoder() = default;

    MemoryFile memory_;
    SF_INFO info_{};
    SNDFILE* file_ = nullptr;
};

} // namespace soundlib
