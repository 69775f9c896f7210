// Small test pictures with a known layout, encoded by the asset builder's
// own TGA writer: what the engine decodes is what the builder writes.
#pragma once

#include "Image.h"
#include "Tga.h"

// A picture whose every pixel `colourAt(x, y)` gives, top row first.
template <class ColourAt> Bytes paintedTga(int width, int height, ColourAt colourAt) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = colourAt(x, y);
    return encodeTga(image);
}

inline Bytes solidTga(int width, int height, Rgba colour) {
    return paintedTga(width, height, [colour](int, int) { return colour; });
}

// Top row red, bottom row blue, everything else green, all opaque.
inline Bytes bandedTga(int width, int height) {
    return paintedTga(width, height, [height](int, int y) {
        return y == 0            ? Rgba{255, 0, 0, 255}
               : y == height - 1 ? Rgba{0, 0, 255, 255}
                                 : Rgba{0, 255, 0, 255};
    });
}
