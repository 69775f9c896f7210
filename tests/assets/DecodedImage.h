// Decodes image bytes from memory with DevIL exactly as the games do (format
// detected from the data, lower-left origin, converted to RGBA), then keeps
// the rows top first so tests can speak in the art's own coordinates.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "AssetSink.h"

struct Texel {
    std::uint8_t r, g, b, a;
};

class DecodedImage {
  public:
    // Nothing when DevIL rejects the data.
    static std::optional<DecodedImage> decode(const Bytes& bytes);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Outside the image everything is transparent.
    Texel at(int x, int y) const;
    bool opaque(int x, int y) const { return at(x, y).a >= 128; }

  private:
    int m_width = 0;
    int m_height = 0;
    std::vector<Texel> m_bottomFirst;
};
