// Stretching RGBA pictures to power-of-two sides without OpenGL, so the
// whole image path can run (and be fuzzed) without a context.
#pragma once

#include <vector>

// Resamples `rgba` (width x height, four bytes a pixel) to targetWidth x
// targetHeight. Each target pixel is the area-weighted mean of the source
// pixels it covers (a box filter): stretching repeats, shrinking averages.
std::vector<unsigned char> scaleRgba(const std::vector<unsigned char>& rgba, int width, int height,
                                     int targetWidth, int targetHeight);
