// Bounds-checked little-endian cursor and the five block parsers.
#include "BmfontTestReader.h"

#include <stdexcept>

namespace {

class Cursor {
  public:
    Cursor(const Bytes& bytes, std::size_t begin, std::size_t end)
        : m_bytes(&bytes), m_pos(begin), m_end(end) {}

    // `count` bytes, least significant first.
    std::uint32_t take(int count) {
        if (m_end - m_pos < static_cast<std::size_t>(count))
            throw std::runtime_error("bitmap font ends early at byte " + std::to_string(m_pos));
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value |= static_cast<std::uint32_t>((*m_bytes)[m_pos++]) << (8 * i);
        return value;
    }
    std::int16_t i16() { return static_cast<std::int16_t>(take(2)); }
    std::string text() {
        std::string s;
        for (char c = static_cast<char>(take(1)); c != '\0'; c = static_cast<char>(take(1)))
            s += c;
        return s;
    }
    void skip(int count) {
        for (int i = 0; i < count; ++i)
            take(1);
    }
    bool atEnd() const { return m_pos == m_end; }
    std::size_t position() const { return m_pos; }

  private:
    const Bytes* m_bytes;
    std::size_t m_pos;
    std::size_t m_end;
};

void parseBlock(std::uint8_t type, Cursor& c, ParsedBmfont& font) {
    switch (type) {
    case 1:
        font.fontSize = c.i16();
        c.skip(12); // flags, charset, stretch, aa, padding, spacing, outline
        font.faceName = c.text();
        return;
    case 2:
        font.lineHeight = static_cast<std::uint16_t>(c.take(2));
        font.base = static_cast<std::uint16_t>(c.take(2));
        font.scaleW = static_cast<std::uint16_t>(c.take(2));
        font.scaleH = static_cast<std::uint16_t>(c.take(2));
        font.pages = static_cast<std::uint16_t>(c.take(2));
        c.skip(5); // packed flag and the four channel uses
        return;
    case 3:
        while (!c.atEnd())
            font.pageNames.push_back(c.text());
        return;
    case 4:
        while (!c.atEnd()) {
            ParsedChar ch{};
            ch.id = c.take(4);
            ch.x = static_cast<std::uint16_t>(c.take(2));
            ch.y = static_cast<std::uint16_t>(c.take(2));
            ch.width = static_cast<std::uint16_t>(c.take(2));
            ch.height = static_cast<std::uint16_t>(c.take(2));
            ch.xOffset = c.i16();
            ch.yOffset = c.i16();
            ch.xAdvance = c.i16();
            ch.page = static_cast<std::uint8_t>(c.take(1));
            ch.channel = static_cast<std::uint8_t>(c.take(1));
            font.chars.push_back(ch);
        }
        return;
    case 5:
        while (!c.atEnd()) {
            ParsedKerning k{};
            k.first = c.take(4);
            k.second = c.take(4);
            k.amount = c.i16();
            font.kernings.push_back(k);
        }
        return;
    default:
        throw std::runtime_error("bitmap font has unknown block " + std::to_string(type));
    }
}

} // namespace

ParsedBmfont parseBmfont(const Bytes& file) {
    Cursor header(file, 0, file.size());
    if (header.take(1) != 'B' || header.take(1) != 'M' || header.take(1) != 'F')
        throw std::runtime_error("bitmap font lacks the BMF magic");
    if (header.take(1) != 3)
        throw std::runtime_error("bitmap font is not version 3");
    ParsedBmfont font;
    while (!header.atEnd()) {
        const auto type = static_cast<std::uint8_t>(header.take(1));
        const std::uint32_t size = header.take(4);
        const std::size_t begin = header.position();
        if (file.size() - begin < size)
            throw std::runtime_error("bitmap font block " + std::to_string(type) +
                                     " runs past the end of the file");
        Cursor block(file, begin, begin + size);
        parseBlock(type, block, font);
        if (!block.atEnd())
            throw std::runtime_error("bitmap font block " + std::to_string(type) +
                                     " has bytes left over");
        font.blockTypes.push_back(type);
        header = Cursor(file, begin + size, file.size());
    }
    return font;
}
