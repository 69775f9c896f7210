// Bounds-checked little-endian cursor and the five block parsers.
#include "BmfontTestReader.h"

#include <stdexcept>

namespace {

class Cursor {
  public:
    Cursor(const Bytes& bytes, std::size_t begin, std::size_t end)
        : m_bytes(&bytes), m_pos(begin), m_end(end) {}

    std::uint32_t u8() { return take(1); }
    std::uint32_t u16() { return take(2); }
    std::uint32_t u32() { return take(4); }
    std::int16_t i16() { return static_cast<std::int16_t>(take(2)); }
    std::string text() {
        std::string s;
        while (true) {
            const char c = static_cast<char>(u8());
            if (c == '\0') {
                return s;
            }
            s += c;
        }
    }
    bool atEnd() const { return m_pos == m_end; }
    std::size_t position() const { return m_pos; }

  private:
    std::uint32_t take(int count) {
        if (m_end - m_pos < static_cast<std::size_t>(count)) {
            throw std::runtime_error("bitmap font ends early at byte " + std::to_string(m_pos));
        }
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            value |= static_cast<std::uint32_t>((*m_bytes)[m_pos++]) << (8 * i);
        }
        return value;
    }

    const Bytes* m_bytes;
    std::size_t m_pos;
    std::size_t m_end;
};

void parseInfo(Cursor& c, ParsedBmfont& font) {
    font.fontSize = c.i16();
    for (int i = 0; i < 12; ++i) {
        c.u8(); // flags, charset, stretch, aa, padding, spacing, outline
    }
    font.faceName = c.text();
}

void parseCommon(Cursor& c, ParsedBmfont& font) {
    font.lineHeight = static_cast<std::uint16_t>(c.u16());
    font.base = static_cast<std::uint16_t>(c.u16());
    font.scaleW = static_cast<std::uint16_t>(c.u16());
    font.scaleH = static_cast<std::uint16_t>(c.u16());
    font.pages = static_cast<std::uint16_t>(c.u16());
    for (int i = 0; i < 5; ++i) {
        c.u8(); // packed flag and the four channel uses
    }
}

void parsePages(Cursor& c, ParsedBmfont& font) {
    while (!c.atEnd()) {
        font.pageNames.push_back(c.text());
    }
}

void parseChars(Cursor& c, ParsedBmfont& font) {
    while (!c.atEnd()) {
        ParsedChar ch{};
        ch.id = c.u32();
        ch.x = static_cast<std::uint16_t>(c.u16());
        ch.y = static_cast<std::uint16_t>(c.u16());
        ch.width = static_cast<std::uint16_t>(c.u16());
        ch.height = static_cast<std::uint16_t>(c.u16());
        ch.xOffset = c.i16();
        ch.yOffset = c.i16();
        ch.xAdvance = c.i16();
        ch.page = static_cast<std::uint8_t>(c.u8());
        ch.channel = static_cast<std::uint8_t>(c.u8());
        font.chars.push_back(ch);
    }
}

void parseKerning(Cursor& c, ParsedBmfont& font) {
    while (!c.atEnd()) {
        ParsedKerning k{};
        k.first = c.u32();
        k.second = c.u32();
        k.amount = c.i16();
        font.kernings.push_back(k);
    }
}

} // namespace

ParsedBmfont parseBmfont(const Bytes& file) {
    Cursor header(file, 0, file.size());
    if (header.u8() != 'B' || header.u8() != 'M' || header.u8() != 'F') {
        throw std::runtime_error("bitmap font lacks the BMF magic");
    }
    if (header.u8() != 3) {
        throw std::runtime_error("bitmap font is not version 3");
    }
    ParsedBmfont font;
    while (!header.atEnd()) {
        const auto type = static_cast<std::uint8_t>(header.u8());
        const std::uint32_t size = header.u32();
        const std::size_t begin = header.position();
        if (file.size() - begin < size) {
            throw std::runtime_error("bitmap font block " + std::to_string(type) +
                                     " runs past the end of the file");
        }
        Cursor block(file, begin, begin + size);
        switch (type) {
        case 1:
            parseInfo(block, font);
            break;
        case 2:
            parseCommon(block, font);
            break;
        case 3:
            parsePages(block, font);
            break;
        case 4:
            parseChars(block, font);
            break;
        case 5:
            parseKerning(block, font);
            break;
        default:
            throw std::runtime_error("bitmap font has unknown block " + std::to_string(type));
        }
        if (!block.atEnd()) {
            throw std::runtime_error("bitmap font block " + std::to_string(type) +
                                     " has bytes left over");
        }
        font.blockTypes.push_back(type);
        header = Cursor(file, begin + size, file.size());
    }
    return font;
}
