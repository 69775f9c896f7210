// "FN_12.fnt" as the games will read it: a version 3 binary file with all its
// blocks, printable ASCII on one page image that really is in the archive.
#include <algorithm>
#include <set>
#include <stdexcept>

#include "ArtFixture.h"
#include "BmfontTestReader.h"

namespace {

class FontTest : public ArtTest {
  protected:
    // The reader throws unless the file is "BMF" version 3 with every block
    // whole.
    static ParsedBmfont font() { return parseBmfont(sink().archive.at("FN_12.fnt")); }

    static const ParsedChar& glyph(const ParsedBmfont& font, char c) {
        const auto found = std::find_if(font.chars.begin(), font.chars.end(), [c](auto& g) {
            return g.id == static_cast<unsigned char>(c);
        });
        if (found == font.chars.end())
            throw std::runtime_error(std::string("no glyph for ") + c);
        return *found;
    }
};

} // namespace

TEST_F(FontTest, HasInfoCommonPagesCharsAndKerningInOrderCoveringPrintableAsciiOnceEach) {
    const ParsedBmfont f = font();
    EXPECT_EQ(f.blockTypes, (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    std::multiset<std::uint32_t> ids;
    for (const ParsedChar& c : f.chars)
        ids.insert(c.id);
    for (std::uint32_t id = 32; id <= 126; ++id)
        EXPECT_EQ(ids.count(id), 1u) << "character " << id;
    EXPECT_EQ(ids.size(), 95u);
    ASSERT_FALSE(f.kernings.empty());
    for (const ParsedKerning& k : f.kernings) {
        EXPECT_TRUE(ids.count(k.first) && ids.count(k.second)) << k.first << " " << k.second;
        EXPECT_NE(k.amount, 0);
    }
}

// One page, in the archive at the stated size: white, with coverage in alpha
// only inside the glyph rectangles, which lie on the page with a texel of
// gap to the page's edge and to each other, so filtering never bleeds one
// glyph into the next.
TEST_F(FontTest, PageImageHoldsTheGlyphsAndNothingBetweenThem) {
    const ParsedBmfont f = font();
    ASSERT_EQ(f.pages, 1);
    ASSERT_EQ(f.pageNames, std::vector<std::string>{"FN_12_0.tga"});
    const DecodedImage page = image(f.pageNames[0]);
    ASSERT_EQ(page.width(), f.scaleW);
    ASSERT_EQ(page.height(), f.scaleH);
    const auto at = [&f](int x, int y) { return static_cast<std::size_t>(y * f.scaleW + x); };
    std::vector<bool> inGlyph(at(0, f.scaleH)), claimed(at(0, f.scaleH));
    for (const ParsedChar& c : f.chars) {
        ASSERT_EQ(c.page, 0) << c.id;
        ASSERT_TRUE(c.x >= 1 && c.y >= 1) << c.id;
        ASSERT_LE(c.x + c.width + 1, f.scaleW) << c.id;
        ASSERT_LE(c.y + c.height + 1, f.scaleH) << c.id;
        // Each claims its rectangle and the gap on its right and below.
        for (int y = c.y; y <= c.y + c.height; ++y)
            for (int x = c.x; x <= c.x + c.width; ++x) {
                EXPECT_FALSE(claimed[at(x, y)]) << c.id << " overlaps another glyph";
                claimed[at(x, y)] = true;
                inGlyph[at(x, y)] = x < c.x + c.width && y < c.y + c.height;
            }
    }
    int covered = 0;
    for (int y = 0; y < f.scaleH; ++y)
        for (int x = 0; x < f.scaleW; ++x) {
            const Texel t = page.at(x, y);
            EXPECT_EQ(t.r + t.g + t.b, 3 * 255) << x << "," << y;
            if (t.a > 0) {
                ++covered;
                EXPECT_TRUE(inGlyph[at(x, y)]) << x << "," << y;
            }
        }
    EXPECT_GT(covered, 300);
    const ParsedChar& w = glyph(f, 'W');
    int solid = 0;
    for (int y = w.y; y < w.y + w.height; ++y)
        for (int x = w.x; x < w.x + w.width; ++x)
            solid += page.at(x, y).a >= 200;
    EXPECT_GT(solid, 8);
}

TEST_F(FontTest, MetricsSuitTwelvePixelText) {
    const ParsedBmfont f = font();
    EXPECT_GE(f.lineHeight, 12);
    EXPECT_LE(f.lineHeight, 18);
    EXPECT_LT(f.base, f.lineHeight);
    const ParsedChar& m = glyph(f, 'M');
    EXPECT_GE(m.height, 7);
    EXPECT_LE(m.height, 12);
    EXPECT_GE(m.yOffset, 0);
    EXPECT_LE(m.yOffset + m.height, f.base + 1); // capitals sit on the baseline
    const ParsedChar& g = glyph(f, 'g');
    EXPECT_GT(g.yOffset + g.height, f.base); // descenders go below it
    EXPECT_GT(glyph(f, ' ').xAdvance, 0);
    EXPECT_GT(glyph(f, 'W').xAdvance, glyph(f, 'i').xAdvance);
}
