// Playback of a decoded sample from memory.
#include "PcmData.h"

#include <algorithm>
#include <cstring>

namespace soundlib {

int PcmReader::read(float* out, int frames) {
    const std::size_t left = data_->frames() - position_;
    const std::size_t count = std::min(left, static_cast<std::size_t>(frames));
    if (count == 0) {
        return 0;
    }
    const std::size_t channelCount = static_cast<std::size_t>(data_->channels);
    std::memcpy(out, data_->samples.data() + position_ * channelCount,
                count * channelCount * sizeof(float));
    position_ += count;
    return static_cast<int>(count);
}

bool PcmReader::rewind() {
    position_ = 0;
    return true;
}

} // namespace soundlib
