// Writes the 18-byte Targa header and BGRA pixels. Descriptor 0x28 means
// eight alpha bits and a top-left origin, so no row flipping is needed here.
#include "Tga.h"

#include <stdexcept>

namespace {

constexpr std::uint8_t kUncompressedTrueColour = 2;
constexpr std::uint8_t kBitsPerPixel = 32;
constexpr std::uint8_t kAlphaBitsTopLeftOrigin = 0x08 | 0x20;

void putLittle16(Bytes& out, int value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

} // namespace

Bytes encodeTga(const Image& image) {
    if (image.width() <= 0 || image.height() <= 0 || image.width() > 0xffff ||
        image.height() > 0xffff) {
        throw std::invalid_argument("TGA image size out of range");
    }
    Bytes out;
    out.reserve(18 + 4u * image.width() * image.height());
    out.push_back(0); // no image id
    out.push_back(0); // no colour map
    out.push_back(kUncompressedTrueColour);
    out.insert(out.end(), 5, 0); // colour map fields: none
    putLittle16(out, 0);         // x origin
    putLittle16(out, 0);         // y origin
    putLittle16(out, image.width());
    putLittle16(out, image.height());
    out.push_back(kBitsPerPixel);
    out.push_back(kAlphaBitsTopLeftOrigin);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const Rgba& p = image.at(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    }
    return out;
}
