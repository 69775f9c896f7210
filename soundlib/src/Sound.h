// A created sound: either a sample, decoded once and shared by every channel
// that plays it, or a stream with its own decoder, which plays on one channel
// at a time.
#pragma once

#include "Decoder.h"
#include "PcmData.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace soundlib {

class System;

class Sound {
  public:
    Sound(System& owner, std::shared_ptr<const PcmData> pcm, bool loops)
        : owner_(owner), loops_(loops), pcm_(std::move(pcm)) {}
    // `ownedBytes` holds the encoded file when the sound was created from a
    // path; the stream decoder reads it.
    Sound(System& owner, std::vector<std::uint8_t> ownedBytes, std::unique_ptr<Decoder> stream,
          bool loops)
        : owner_(owner), loops_(loops), ownedBytes_(std::move(ownedBytes)),
          stream_(std::move(stream)) {}

    System& owner() const { return owner_; }
    bool loops() const { return loops_; }
    bool isStream() const { return stream_ != nullptr; }
    Decoder& stream() { return *stream_; }
    std::unique_ptr<Decoder> newSampleReader() const { return std::make_unique<PcmReader>(pcm_); }

    // The channel a stream plays on, or -1. Guarded by the mixer's lock.
    int streamChannel = -1;

  private:
    System& owner_;
    bool loops_;
    std::shared_ptr<const PcmData> pcm_;
    std::vector<std::uint8_t> ownedBytes_;
    std::unique_ptr<Decoder> stream_;
};

} // namespace soundlib
