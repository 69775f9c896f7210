// Colour arithmetic and the Targa encoding of the level's pictures.
#include "Picture.h"

#include "art/Tga.h"

#include <algorithm>
#include <stdexcept>

namespace level {

namespace {

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
    // Quantised into the art library's picture, whose writer every image of
    // the archive goes through.
    Image image(picture.width(), picture.height());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Colour& c = picture.at(x, y);
            image.at(x, y) = Rgba{toByte(c.r), toByte(c.g), toByte(c.b), toByte(c.a)};
        }
    }
    return ::encodeTga(image);
}

} // namespace level
