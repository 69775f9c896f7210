// Targa header reading and the walk over its data. Nothing is allocated in
// proportion to the declared size: a run-length stream is walked packet by
// packet, and every packet takes at least two bytes of the file.
#include "Resources/ImageCheck.h"

namespace {

const std::size_t TGA_HEADER_SIZE = 18;
const std::uint8_t COLOUR_MAPPED = 1, COLOUR_MAPPED_RLE = 9;
// A packet header's low seven bits hold the pixel count less one.
const unsigned RLE_COUNT_MASK = 0x7f;
const unsigned RLE_RUN_BIT = 0x80;

std::uint8_t byteAt(const std::vector<char>& file, std::size_t at) {
    return static_cast<std::uint8_t>(file[at]);
}

std::uint16_t littleEndian16(const std::vector<char>& file, std::size_t at) {
    return static_cast<std::uint16_t>(byteAt(file, at) | (byteAt(file, at + 1) << 8));
}

bool isPictureType(std::uint8_t type) {
    return (type >= 1 && type <= 3) || (type >= 9 && type <= 11);
}

bool isTgaDepth(std::uint8_t depth) {
    return depth == 8 || depth == 15 || depth == 16 || depth == 24 || depth == 32;
}

std::uint64_t bytesPerPixel(const TgaHeader& header) {
    return (header.pixelDepth + 7u) / 8u;
}

std::uint64_t colourMapBytes(const TgaHeader& header) {
    if (header.colourMapType != 1)
        return 0;
    return std::uint64_t(header.colourMapLength) * ((header.colourMapEntryBits + 7u) / 8u);
}

bool isColourMapped(const TgaHeader& header) {
    return header.imageType == COLOUR_MAPPED || header.imageType == COLOUR_MAPPED_RLE;
}

// Walks the packets from `at`; true when they cover exactly `pixels` pixels
// inside the file.
bool runLengthDataComplete(const std::vector<char>& file, std::uint64_t at, std::uint64_t pixels,
                           std::uint64_t pixelBytes) {
    std::uint64_t covered = 0;
    while (covered < pixels) {
        if (at >= file.size())
            return false;
        const unsigned packet = byteAt(file, static_cast<std::size_t>(at));
        const std::uint64_t count = (packet & RLE_COUNT_MASK) + 1u;
        const std::uint64_t dataBytes = (packet & RLE_RUN_BIT) ? pixelBytes : count * pixelBytes;
        at += 1 + dataBytes;
        covered += count;
        if (at > file.size() || covered > pixels)
            return false;
    }
    return true;
}

} // namespace

std::optional<TgaHeader> readTgaHeader(const std::vector<char>& file) {
    if (file.size() < TGA_HEADER_SIZE)
        return std::nullopt;
    TgaHeader header;
    header.idLength = byteAt(file, 0);
    header.colourMapType = byteAt(file, 1);
    header.imageType = byteAt(file, 2);
    header.colourMapLength = littleEndian16(file, 5);
    header.colourMapEntryBits = byteAt(file, 7);
    header.width = littleEndian16(file, 12);
    header.height = littleEndian16(file, 14);
    header.pixelDepth = byteAt(file, 16);
    header.descriptor = byteAt(file, 17);
    if (header.colourMapType > 1 || !isPictureType(header.imageType) ||
        !isTgaDepth(header.pixelDepth))
        return std::nullopt;
    return header;
}

bool tgaDataComplete(const TgaHeader& header, const std::vector<char>& file) {
    if (header.width == 0 || header.height == 0)
        return false;
    if (isColourMapped(header) && (header.colourMapType != 1 || header.colourMapLength == 0))
        return false;
    const std::uint64_t dataStart = TGA_HEADER_SIZE + header.idLength + colourMapBytes(header);
    if (dataStart > file.size())
        return false;
    const std::uint64_t pixels = std::uint64_t(header.width) * header.height;
    if (header.runLengthEncoded())
        return runLengthDataComplete(file, dataStart, pixels, bytesPerPixel(header));
    return file.size() - dataStart >= pixels * bytesPerPixel(header);
}
