// Small test pictures with a known layout, encoded by the asset builder's
// own TGA writer: what the engine decodes is what the builder writes.
#pragma once

#include "Image.h"
#include "Tga.h"

// Top row red, bottom row blue, everything else green, all opaque.
inline Bytes bandedTga(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgba& p = image.at(x, y);
            p = {0, 255, 0, 255};
            if (y == 0)
                p = {255, 0, 0, 255};
            if (y == height - 1)
                p = {0, 0, 255, 255};
        }
    return encodeTga(image);
}

inline Bytes solidTga(int width, int height, Rgba colour) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = colour;
    return encodeTga(image);
}
