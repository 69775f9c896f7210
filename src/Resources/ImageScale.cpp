// A separable box filter: rows first, then columns, in float so the two
// passes round once.
#include "Resources/ImageScale.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

const int CHANNELS = 4;

struct Tap {
    int source;
    float weight;
};

// For every target index, the source indices it covers and their share.
std::vector<std::vector<Tap>> boxTaps(int sourceCount, int targetCount) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(targetCount));
    const double step = double(sourceCount) / targetCount;
    for (int t = 0; t < targetCount; ++t) {
        const double begin = t * step, end = (t + 1) * step;
        const int first = static_cast<int>(std::floor(begin));
        const int last = std::min(sourceCount - 1, static_cast<int>(std::ceil(end)) - 1);
        for (int s = first; s <= last; ++s) {
            const double covered = std::min(end, s + 1.0) - std::max(begin, double(s));
            if (covered > 0)
                taps[t].push_back({s, static_cast<float>(covered / step)});
        }
    }
    return taps;
}

} // namespace

std::vector<unsigned char> scaleRgba(const std::vector<unsigned char>& rgba, int width, int height,
                                     int targetWidth, int targetHeight) {
    const auto across = boxTaps(width, targetWidth);
    const auto down = boxTaps(height, targetHeight);
    const std::size_t tw = static_cast<std::size_t>(targetWidth);

    std::vector<float> rows(tw * static_cast<std::size_t>(height) * CHANNELS, 0.0f);
    for (int y = 0; y < height; ++y)
        for (std::size_t x = 0; x < tw; ++x)
            for (const Tap& tap : across[x])
                for (int c = 0; c < CHANNELS; ++c)
                    rows[(y * tw + x) * CHANNELS + c] +=
                        tap.weight *
                        rgba[(std::size_t(y) * width + tap.source) * CHANNELS + std::size_t(c)];

    std::vector<unsigned char> scaled(tw * static_cast<std::size_t>(targetHeight) * CHANNELS);
    for (int y = 0; y < targetHeight; ++y)
        for (std::size_t x = 0; x < tw; ++x)
            for (int c = 0; c < CHANNELS; ++c) {
                float sum = 0.0f;
                for (const Tap& tap : down[y])
                    sum += tap.weight * rows[(tap.source * tw + x) * CHANNELS + c];
                scaled[(y * tw + x) * CHANNELS + c] =
                    static_cast<unsigned char>(std::clamp(std::lround(sum), 0L, 255L));
            }
    return scaled;
}
