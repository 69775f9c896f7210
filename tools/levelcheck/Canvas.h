// An RGB picture in memory, top row first, with the few drawing operations
// the level picture needs. Drawing outside the picture is clipped away.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

class Canvas {
  public:
    Canvas(int width, int height, Rgb background);

    int width() const { return m_width; }
    int height() const { return m_height; }
    Rgb at(int x, int y) const;
    // Three bytes a pixel, rows top first, no padding.
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

    void set(int x, int y, Rgb colour);
    // Corners included, in any order.
    void fillRect(int x0, int y0, int x1, int y1, Rgb colour);
    // A square of side 2 * radius + 1 centred on the pixel holding (x, y).
    void dot(double x, double y, int radius, Rgb colour);
    // Dots of that radius along the segment, close enough to leave no gap.
    void line(double x0, double y0, double x1, double y1, int radius, Rgb colour);
    // Digits only; each character cell is 4 x 6 pixels times `size`, with
    // (x, y) its top left corner.
    void digits(int x, int y, std::string_view text, int size, Rgb colour);

  private:
    int m_width;
    int m_height;
    std::vector<std::uint8_t> m_bytes;
};
