// Colour arithmetic and the Targa encoding of the level's pictures.
#include "Picture.h"

#include <algorithm>
#include <stdexcept>

namespace level {

namespace {

constexpr std::uint8_t kUncompressedTrueColour = 2;
constexpr std::uint8_t kBitsPerPixel = 32;
constexpr std::uint8_t kAlphaBitsTopLeftOrigin = 0x08 | 0x20;

void putLittle16(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

std::uint8_t toByte(double channel) {
    return static_cast<std::uint8_t>(std::clamp(channel, 0.0, 1.0) * 255.0 + 0.5);
}

} // namespace

Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Colour scaled(Colour c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor, c.a};
}

Picture::Picture(int width, int height)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    if (width <= 0 || height <= 0 || width > 0xffff || height > 0xffff) {
        throw std::invalid_argument("level picture size out of range");
    }
}

Bytes encodeTga(const Picture& picture) {
    Bytes out;
    out.reserve(18 + 4u * static_cast<std::size_t>(picture.width() * picture.height()));
    out.push_back(0); // no image id
    out.push_back(0); // no colour map
    out.push_back(kUncompressedTrueColour);
    out.insert(out.end(), 5, 0); // colour map specification
    putLittle16(out, 0);         // x origin
    putLittle16(out, 0);         // y origin
    putLittle16(out, picture.width());
    putLittle16(out, picture.height());
    out.push_back(kBitsPerPixel);
    out.push_back(kAlphaBitsTopLeftOrigin);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour& c = picture.at(x, y);
            out.insert(out.end(), {toByte(c.b), toByte(c.g), toByte(c.r), toByte(c.a)});
        }
    }
    return out;
}

} // namespace level
