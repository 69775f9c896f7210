// Lattice value noise with a quintic fade, hashed with integer mixing so
// that every build of the level is identical.
#include "Noise.h"

#include <cmath>

namespace level {

namespace {

std::int64_t wrap(std::int64_t value, int period) {
    if (period <= 0) {
        return value;
    }
    const std::int64_t m = value % period;
    return m < 0 ? m + period : m;
}

double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

} // namespace

double hashToUnit(std::int64_t x, std::int64_t y, std::uint32_t seed) {
    std::uint64_t h = static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4Full;
    h ^= static_cast<std::uint64_t>(seed) * 0x165667B19E3779F9ull;
    h ^= h >> 29;
    h *= 0xBF58476D1CE4E5B9ull;
    h ^= h >> 32;
    return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
}

double valueNoise(double x, double y, int period, std::uint32_t seed) {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = fade(x - fx);
    const double ty = fade(y - fy);
    auto corner = [&](std::int64_t dx, std::int64_t dy) {
        return hashToUnit(wrap(ix + dx, period), wrap(iy + dy, period), seed);
    };
    const double top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    const double bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed) {
    double sum = 0;
    double weight = 1;
    double total = 0;
    double frequency = 1;
    for (int octave = 0; octave < octaves; ++octave) {
        const int layerPeriod = period > 0 ? period << octave : 0;
        sum += weight * valueNoise(x * frequency, y * frequency, layerPeriod,
                                   seed + static_cast<std::uint32_t>(octave) * 7919u);
        total += weight;
        weight *= 0.5;
        frequency *= 2;
    }
    return sum / total;
}

} // namespace level
