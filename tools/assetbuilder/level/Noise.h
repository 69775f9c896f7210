// Deterministic value noise. Textures use the periodic form so that they
// tile under repeat wrapping; the mesh uses the plain form for bumps.
#pragma once

#include <cstdint>

namespace level {

// A pseudo-random value in [0, 1) from integer coordinates and a seed.
double hashToUnit(std::int64_t x, std::int64_t y, std::uint32_t seed);

// Smooth value noise in [0, 1) on a lattice of spacing 1 that repeats every
// `period` cells in both directions (period <= 0: never repeats).
double valueNoise(double x, double y, int period, std::uint32_t seed);

// Sum of `octaves` layers, each twice the frequency and half the weight of
// the one before, normalised to [0, 1). With a period, each layer's period
// doubles too, so the sum repeats every `period` units of the first layer.
double fractalNoise(double x, double y, int period, int octaves, std::uint32_t seed);

} // namespace level
