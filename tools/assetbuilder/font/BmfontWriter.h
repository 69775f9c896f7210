// AngelCode bitmap font files in the binary format, version 3: the layout the
// games' font reader takes (blocks info, common, pages, chars, kerning pairs).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AssetSink.h"

struct BmfontChar {
    std::uint32_t id = 0;
    std::uint16_t x = 0, y = 0, width = 0, height = 0;
    std::int16_t xOffset = 0, yOffset = 0, xAdvance = 0;
    std::uint8_t page = 0;
    std::uint8_t channel = 15; // glyph in all four channels
};

struct BmfontKerning {
    std::uint32_t first = 0, second = 0;
    std::int16_t amount = 0;
};

struct BmfontDescription {
    std::string faceName;
    std::int16_t fontSize = 0;
    std::uint16_t lineHeight = 0;
    std::uint16_t base = 0;
    std::uint16_t pageWidth = 0, pageHeight = 0;
    // All of one length: the reader finds each name's length by dividing the
    // block size by the page count.
    std::vector<std::string> pageNames;
    std::vector<BmfontChar> chars;
    std::vector<BmfontKerning> kernings;
};

Bytes encodeBmfont(const BmfontDescription& font);
