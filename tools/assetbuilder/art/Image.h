// A plain RGBA picture in memory, top row first: the common currency between
// the art generators, the font page packer and the TGA writer.
#pragma once

#include <cstdint>
#include <vector>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
};

class Image {
  public:
    Image(int width, int height) : m_width(width), m_height(height), m_pixels(width * height) {}

    int width() const { return m_width; }
    int height() const { return m_height; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    Rgba& at(int x, int y) { return m_pixels[y * m_width + x]; }
    const Rgba& at(int x, int y) const { return m_pixels[y * m_width + x]; }

  private:
    int m_width;
    int m_height;
    std::vector<Rgba> m_pixels;
};
