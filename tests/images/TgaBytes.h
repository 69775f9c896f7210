// Targa files written byte by byte for the image tests: any header, plain
// or run-length data, and every origin, so hostile and unusual files can be
// made that the asset builder's writer never produces.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

struct TgaFields {
    std::uint8_t colourMapType = 0;
    std::uint8_t imageType = 2;
    std::uint16_t colourMapLength = 0;
    std::uint8_t colourMapEntryBits = 0;
    std::uint16_t width = 1;
    std::uint16_t height = 1;
    std::uint8_t pixelDepth = 32;
    std::uint8_t descriptor = 0x08;
};

inline void putLittle16(std::vector<char>& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xff));
    out.push_back(static_cast<char>(value >> 8));
}

inline std::vector<char> tgaHeader(const TgaFields& f) {
    std::vector<char> out = {0, static_cast<char>(f.colourMapType), static_cast<char>(f.imageType)};
    putLittle16(out, 0); // first colour map entry
    putLittle16(out, f.colourMapLength);
    out.push_back(static_cast<char>(f.colourMapEntryBits));
    putLittle16(out, 0); // x origin
    putLittle16(out, 0); // y origin
    putLittle16(out, f.width);
    putLittle16(out, f.height);
    out.push_back(static_cast<char>(f.pixelDepth));
    out.push_back(static_cast<char>(f.descriptor));
    return out;
}

inline void append(std::vector<char>& out, std::initializer_list<int> bytes) {
    for (int byte : bytes)
        out.push_back(static_cast<char>(byte));
}

inline std::vector<char> withBytes(std::vector<char> out, std::size_t count, char value) {
    out.insert(out.end(), count, value);
    return out;
}
