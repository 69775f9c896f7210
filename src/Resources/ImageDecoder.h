// An image file in memory turned into RGBA bytes and the power-of-two size
// its texture will have: DevIL decodes, the checks in ImageCheck keep it from
// files that would make it allocate what the data cannot hold, and no
// OpenGL call is made, so the path runs (and is fuzzed) without a context.
// The stretch to that size needs a context and happens at upload (Texture).
#pragma once

#include <vector>

struct DecodedImage {
    // The picture's own size; sprites and fonts measure in these pixels.
    int width = 0;
    int height = 0;
    // The power-of-two size the picture is stretched to for its texture.
    int textureWidth = 0;
    int textureHeight = 0;
    // width x height pixels, the picture's bottom row first.
    std::vector<unsigned char> rgba;
};

enum class ImageDecodeResult { Decoded, Refused, NotConvertible };

// Targa, PNG and BMP files are decoded; anything else is refused.
// Needs DevIL started (ilInit). `maxTextureSide` is the largest side the
// texture may have once stretched; larger pictures are refused before
// anything is allocated for them where the format's header tells the size.
ImageDecodeResult decodeImage(const std::vector<char>& file, int maxTextureSide,
                              DecodedImage& image);

// The smallest power of two not below `value` (0 stays 0).
unsigned int nextPow2(unsigned int value);
