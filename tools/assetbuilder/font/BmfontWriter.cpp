// Little-endian block writer. Each block is its type byte, its size as four
// bytes, then its fields, exactly in the order the format defines.
#include "BmfontWriter.h"

#include <stdexcept>

namespace {

class BlockWriter {
  public:
    void u8(std::uint32_t v) { m_bytes.push_back(static_cast<std::uint8_t>(v & 0xff)); }
    void u16(std::uint32_t v) {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xffff);
        u16(v >> 16);
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void text(const std::string& s) {
        m_bytes.insert(m_bytes.end(), s.begin(), s.end());
        u8(0);
    }
    const Bytes& bytes() const { return m_bytes; }

  private:
    Bytes m_bytes;
};

constexpr std::uint8_t kSmoothUnicode = 0x01 | 0x02;

void appendBlock(Bytes& out, std::uint8_t type, const BlockWriter& block) {
    BlockWriter header;
    header.u8(type);
    header.u32(static_cast<std::uint32_t>(block.bytes().size()));
    out.insert(out.end(), header.bytes().begin(), header.bytes().end());
    out.insert(out.end(), block.bytes().begin(), block.bytes().end());
}

BlockWriter infoBlock(const BmfontDescription& font) {
    BlockWriter b;
    b.i16(font.fontSize);
    b.u8(kSmoothUnicode);
    b.u8(0);    // character set: unused with unicode
    b.u16(100); // no vertical stretch
    b.u8(1);    // supersampling level
    for (int i = 0; i < 4; ++i) {
        b.u8(0); // padding up, right, down, left
    }
    b.u8(1); // horizontal spacing
    b.u8(1); // vertical spacing
    b.u8(0); // outline thickness
    b.text(font.faceName);
    return b;
}

BlockWriter commonBlock(const BmfontDescription& font) {
    BlockWriter b;
    b.u16(font.lineHeight);
    b.u16(font.base);
    b.u16(font.pageWidth);
    b.u16(font.pageHeight);
    b.u16(static_cast<std::uint32_t>(font.pageNames.size()));
    b.u8(0); // not packed
    b.u8(0); // alpha holds the glyph
    b.u8(4); // red, green and blue are one: white glyphs
    b.u8(4);
    b.u8(4);
    return b;
}

BlockWriter pagesBlock(const BmfontDescription& font) {
    BlockWriter b;
    for (const std::string& name : font.pageNames) {
        if (name.size() != font.pageNames.front().size()) {
            throw std::invalid_argument("bitmap font page names differ in length: " + name);
        }
        b.text(name);
    }
    return b;
}

BlockWriter charsBlock(const BmfontDescription& font) {
    BlockWriter b;
    for (const BmfontChar& c : font.chars) {
        b.u32(c.id);
        b.u16(c.x);
        b.u16(c.y);
        b.u16(c.width);
        b.u16(c.height);
        b.i16(c.xOffset);
        b.i16(c.yOffset);
        b.i16(c.xAdvance);
        b.u8(c.page);
        b.u8(c.channel);
    }
    return b;
}

BlockWriter kerningBlock(const BmfontDescription& font) {
    BlockWriter b;
    for (const BmfontKerning& k : font.kernings) {
        b.u32(k.first);
        b.u32(k.second);
        b.i16(k.amount);
    }
    return b;
}

} // namespace

Bytes encodeBmfont(const BmfontDescription& font) {
    if (font.pageNames.empty()) {
        throw std::invalid_argument("bitmap font " + font.faceName + " has no pages");
    }
    Bytes out = {'B', 'M', 'F', 3};
    appendBlock(out, 1, infoBlock(font));
    appendBlock(out, 2, commonBlock(font));
    appendBlock(out, 3, pagesBlock(font));
    appendBlock(out, 4, charsBlock(font));
    appendBlock(out, 5, kerningBlock(font));
    return out;
}
