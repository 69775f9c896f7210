// An RGBA picture in memory, top row first, for the level's material images
// and the sky; encoded as Targa by the art library's writer.
#pragma once

#include <cstdint>
#include <vector>

#include "AssetSink.h"

namespace level {

struct Colour {
    double r = 0, g = 0, b = 0, a = 1; // 0..1
};

Colour mix(Colour a, Colour b, double t);
Colour scaled(Colour c, double factor);

class Picture {
  public:
    Picture(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    Colour& at(int x, int y) { return m_pixels[static_cast<std::size_t>(y * m_width + x)]; }
    const Colour& at(int x, int y) const {
        return m_pixels[static_cast<std::size_t>(y * m_width + x)];
    }

  private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};

// Uncompressed 32-bit Targa, through the art library's writer.
Bytes encodeTga(const Picture& picture);

} // namespace level
