// Pulling, looping and linear resampling of one channel. The window keeps
// the frame under the read position plus the frames after it, so the
// interpolation across a refill, and across a loop's seam, sees the real
// neighbouring frames and the seam makes no click.
#include "Voice.h"

#include <algorithm>
#include <cstring>

namespace soundlib {

namespace {
constexpr std::uint64_t kFracMask = 0xFFFFFFFFull;
constexpr float kFracScale = 1.0f / 4294967296.0f;
} // namespace

void Voice::start(Decoder& source, bool loops, int mixRate) {
    source_ = &source;
    channels_ = source.channels();
    loops_ = loops;
    loopsLeft_ = -1;
    // One extra frame for the silence appended after the last real frame.
    window_.assign(static_cast<std::size_t>(kWindowFrames + 1) * channels_, 0.0f);
    windowFrames_ = 0;
    position_ = 0;
    step_ = (static_cast<std::uint64_t>(source.sampleRate()) << kFracBits) /
            static_cast<std::uint64_t>(mixRate);
    sourceDone_ = false;
    finished_ = false;
}

bool Voice::mix(float* stereoOut, int frames, float gainLeft, float gainRight) {
    while (frames > 0 && !finished_) {
        int span = framesBeforeRefill();
        if (span == 0) {
            if (sourceDone_) {
                finished_ = true;
                break;
            }
            refill();
            continue;
        }
        span = std::min(span, frames);
        mixSpan(stereoOut, span, gainLeft, gainRight);
        stereoOut += 2 * span;
        frames -= span;
    }
    return !finished_;
}

int Voice::framesBeforeRefill() const {
    if (windowFrames_ < 2) {
        return 0;
    }
    // Interpolation reads frames i and i + 1, so i must stay below the last.
    const std::uint64_t limit = static_cast<std::uint64_t>(windowFrames_ - 1) << kFracBits;
    if (position_ >= limit) {
        return 0;
    }
    const std::uint64_t count = (limit - position_ + step_ - 1) / step_;
    return static_cast<int>(std::min<std::uint64_t>(count, kWindowFrames));
}

void Voice::mixSpan(float* out, int frames, float gainLeft, float gainRight) {
    const float* w = window_.data();
    std::uint64_t p = position_;
    if (channels_ == 1) {
        for (int k = 0; k < frames; ++k) {
            const std::size_t i = static_cast<std::size_t>(p >> kFracBits);
            const float f = static_cast<float>(p & kFracMask) * kFracScale;
            const float s = w[i] + (w[i + 1] - w[i]) * f;
            out[0] += s * gainLeft;
            out[1] += s * gainRight;
            out += 2;
            p += step_;
        }
    } else {
        for (int k = 0; k < frames; ++k) {
            const std::size_t i = static_cast<std::size_t>(p >> kFracBits) * 2;
            const float f = static_cast<float>(p & kFracMask) * kFracScale;
            out[0] += (w[i] + (w[i + 2] - w[i]) * f) * gainLeft;
            out[1] += (w[i + 1] + (w[i + 3] - w[i + 1]) * f) * gainRight;
            out += 2;
            p += step_;
        }
    }
    position_ = p;
}

void Voice::refill() {
    const std::uint64_t index = position_ >> kFracBits;
    const std::size_t frameSize = static_cast<std::size_t>(channels_);
    int kept = 0;
    if (index < static_cast<std::uint64_t>(windowFrames_)) {
        kept = windowFrames_ - static_cast<int>(index);
        std::memmove(window_.data(), window_.data() + index * frameSize,
                     static_cast<std::size_t>(kept) * frameSize * sizeof(float));
    } else {
        // A step larger than one frame jumped past the window: drop the
        // source frames it skipped.
        std::uint64_t skip = index - static_cast<std::uint64_t>(windowFrames_);
        while (skip > 0 && !sourceDone_) {
            const int want = static_cast<int>(std::min<std::uint64_t>(skip, kWindowFrames));
            const int got = pull(window_.data(), want);
            skip -= static_cast<std::uint64_t>(got);
            sourceDone_ = got < want;
        }
    }
    position_ &= kFracMask;
    windowFrames_ = kept;
    if (sourceDone_) {
        return;
    }
    const int want = kWindowFrames - kept;
    const int got = pull(window_.data() + static_cast<std::size_t>(kept) * frameSize, want);
    windowFrames_ += got;
    if (got < want) {
        std::fill_n(window_.data() + static_cast<std::size_t>(windowFrames_) * frameSize, frameSize,
                    0.0f);
        ++windowFrames_;
        sourceDone_ = true;
    }
}

int Voice::pull(float* out, int frames) {
    int total = 0;
    bool freshPass = false;
    while (total < frames) {
        const int got =
            source_->read(out + static_cast<std::size_t>(total) * channels_, frames - total);
        if (got > 0) {
            total += got;
            freshPass = false;
            continue;
        }
        // An empty pass right after a rewind would loop forever on a sound
        // without frames.
        if (!loops_ || loopsLeft_ == 0 || freshPass || !source_->rewind()) {
            break;
        }
        if (loopsLeft_ > 0) {
            --loopsLeft_;
        }
        freshPass = true;
    }
    return total;
}

} // namespace soundlib
