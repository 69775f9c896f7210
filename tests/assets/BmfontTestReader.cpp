// Bounds-checked little-endian cursor and the five block parsers.
#include "BmfontTestReader.h"

#include <stdexcept>

namespace {

// Reads bytes [pos, end) of the file, least significant first.
struct Cursor {
    const Bytes* bytes;
    std::size_t pos, end;

    std::uint32_t take(int count) {
        if (end - pos < static_cast<std::size_t>(count))
            throw std::runtime_error("bitmap font ends early at byte " + std::to_string(pos));
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= static_cast<std::uint32_t>((*bytes)[pos++]) << (8 * i);
        return value;
    }
    std::uint8_t u8() { return static_cast<std::uint8_t>(take(1)); }
    std::uint16_t u16() { return static_cast<std::uint16_t>(take(2)); }
    std::int16_t i16() { return static_cast<std::int16_t>(take(2)); }
    std::string text() {
        std::string s;
        for (char c = static_cast<char>(take(1)); c != '\0'; c = static_cast<char>(take(1)))
            s += c;
        return s;
    }
    bool atEnd() const { return pos == end; }
};

// Braced lists evaluate left to right, so the fields are read in file order.
void parseBlock(std::uint8_t type, Cursor& c, ParsedBmfont& font) {
    switch (type) {
    case 1:
        font.fontSize = c.i16();
        c.take(4), c.take(4), c.take(4); // flags, charset, stretch, aa, padding, spacing, outline
        font.faceName = c.text();
        return;
    case 2:
        font.lineHeight = c.u16(), font.base = c.u16(), font.scaleW = c.u16();
        font.scaleH = c.u16(), font.pages = c.u16();
        c.take(4), c.take(1); // packed flag and the four channel uses
        return;
    case 3:
        while (!c.atEnd())
            font.pageNames.push_back(c.text());
        return;
    case 4:
        while (!c.atEnd())
            font.chars.push_back(ParsedChar{c.take(4), c.u16(), c.u16(), c.u16(), c.u16(), c.i16(),
                                            c.i16(), c.i16(), c.u8(), c.u8()});
        return;
    case 5:
        while (!c.atEnd())
            font.kernings.push_back(ParsedKerning{c.take(4), c.take(4), c.i16()});
        return;
    default:
        throw std::runtime_error("bitmap font has unknown block " + std::to_string(type));
    }
}

} // namespace

ParsedBmfont parseBmfont(const Bytes& file) {
    Cursor header{&file, 0, file.size()};
    if (header.take(1) != 'B' || header.take(1) != 'M' || header.take(1) != 'F')
        throw std::runtime_error("bitmap font lacks the BMF magic");
    if (header.take(1) != 3)
        throw std::runtime_error("bitmap font is not version 3");
    ParsedBmfont font;
    while (!header.atEnd()) {
        const auto type = static_cast<std::uint8_t>(header.take(1));
        const std::uint32_t size = header.take(4);
        const std::size_t begin = header.pos;
        if (file.size() - begin < size)
            throw std::runtime_error("bitmap font block " + std::to_string(type) +
                                     " runs past the end of the file");
        Cursor block{&file, begin, begin + size};
        parseBlock(type, block, font);
        if (!block.atEnd())
            throw std::runtime_error("bitmap font block " + std::to_string(type) +
                                     " has bytes left over");
        font.blockTypes.push_back(type);
        header.pos = begin + size;
    }
    return font;
}
