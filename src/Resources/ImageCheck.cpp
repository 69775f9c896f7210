// Length check of uncompressed Targa files, read through the fixed header.
#include "Resources/ImageCheck.h"

#include <cstdint>

namespace {

const std::size_t TGA_HEADER_SIZE = 18;
// Image types 1, 2 and 3: colour-mapped, true-colour and grey, uncompressed.
bool isUncompressedTgaType(std::uint8_t type) {
    return type >= 1 && type <= 3;
}

std::uint16_t littleEndian16(const std::vector<char>& file, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(file[at]) |
                                      (static_cast<unsigned char>(file[at + 1]) << 8));
}

} // namespace

bool imageDataComplete(const std::vector<char>& file) {
    if (file.size() < TGA_HEADER_SIZE)
        return true;
    const std::uint8_t idLength = static_cast<std::uint8_t>(file[0]);
    const std::uint8_t colourMapType = static_cast<std::uint8_t>(file[1]);
    const std::uint8_t imageType = static_cast<std::uint8_t>(file[2]);
    const std::uint8_t pixelDepth = static_cast<std::uint8_t>(file[16]);
    // Only a header that reads like a Targa one is judged here.
    if (colourMapType > 1 || !isUncompressedTgaType(imageType) ||
        (pixelDepth != 8 && pixelDepth != 15 && pixelDepth != 16 && pixelDepth != 24 &&
         pixelDepth != 32))
        return true;
    const std::uint64_t colourMapBytes = colourMapType == 1
                                             ? std::uint64_t(littleEndian16(file, 5)) *
                                                   ((static_cast<std::uint8_t>(file[7]) + 7) / 8)
                                             : 0;
    const std::uint64_t pixelBytes =
        std::uint64_t(littleEndian16(file, 12)) * littleEndian16(file, 14) * ((pixelDepth + 7) / 8);
    return file.size() >= TGA_HEADER_SIZE + idLength + colourMapBytes + pixelBytes;
}
