// A sound decoded whole into memory, and the decoder that plays it back. A
// sample's frames are shared by every channel that plays it; each channel
// gets its own reader with its own position.
#pragma once

#include "Decoder.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace soundlib {

struct PcmData {
    int channels = 1;
    int sampleRate = 0;
    std::vector<float> samples; // interleaved
    std::size_t frames() const { return samples.size() / static_cast<std::size_t>(channels); }
};

class PcmReader : public Decoder {
  public:
    explicit PcmReader(std::shared_ptr<const PcmData> data) : data_(std::move(data)) {}
    int channels() const override { return data_->channels; }
    int sampleRate() const override { return data_->sampleRate; }
    int read(float* out, int frames) override;
    bool rewind() override;

  private:
    std::shared_ptr<const PcmData> data_;
    std::size_t position_ = 0; // in frames
};

} // namespace soundlib
