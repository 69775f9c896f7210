// Checks DevIL does not make. It trusts a Targa header: an image whose data
// ends early comes out partly black, and one whose header claims a huge size
// is allocated in full before the data is even looked at. So a Targa file is
// judged here, from its header and data, before the decoder sees it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct TgaHeader {
    std::uint8_t idLength;
    std::uint8_t colourMapType;
    std::uint8_t imageType;
    std::uint16_t colourMapLength;
    std::uint8_t colourMapEntryBits;
    std::uint16_t width;
    std::uint16_t height;
    std::uint8_t pixelDepth;
    std::uint8_t descriptor;

    bool runLengthEncoded() const { return imageType >= 9; }
    // Descriptor bit 4: the first pixel of a row is its rightmost.
    bool rightOrigin() const { return (descriptor & 0x10) != 0; }
};

// The header of a Targa file of one of the six picture types (colour-mapped,
// true-colour or grey; plain or run-length encoded) with a pixel depth
// Targa allows; nullopt when the bytes do not read like one.
std::optional<TgaHeader> readTgaHeader(const std::vector<char>& file);

// True when the file's data holds the whole picture its header declares:
// the colour map a colour-mapped image needs, every pixel of a plain image,
// and run-length packets that cover every pixel without running past the
// picture or the file.
bool tgaDataComplete(const TgaHeader& header, const std::vector<char>& file);
