// A small, strict reader of binary version 3 bitmap font files, written apart
// from the builder's writer so the tests check the file, not the writer's own
// idea of it. It walks every block by its declared size and throws a
// std::runtime_error naming the problem when the file is malformed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AssetSink.h"

struct ParsedChar {
    std::uint32_t id;
    std::uint16_t x, y, width, height;
    std::int16_t xOffset, yOffset, xAdvance;
    std::uint8_t page, channel;
};

struct ParsedKerning {
    std::uint32_t first, second;
    std::int16_t amount;
};

struct ParsedBmfont {
    std::vector<std::uint8_t> blockTypes; // in file order
    std::int16_t fontSize = 0;
    std::string faceName;
    std::uint16_t lineHeight = 0, base = 0, scaleW = 0, scaleH = 0, pages = 0;
    std::vector<std::string> pageNames;
    std::vector<ParsedChar> chars;
    std::vector<ParsedKerning> kernings;
};

ParsedBmfont parseBmfont(const Bytes& file);
