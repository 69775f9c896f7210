// "FN_12.fnt" as the games will read it: a version 3 binary file with all its
// blocks, printable ASCII on one page image that really is in the archive.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "BmfontTestReader.h"
#include "DecodedImage.h"
#include "FontAssets.h"
#include "MemorySink.h"

namespace {

class FontTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (s_sink == nullptr) {
            s_sink = new MemorySink;
            buildFont(*s_sink);
        }
    }

    static const Bytes& file(const std::string& name) {
        static const Bytes none;
        const auto found = s_sink->archive.find(name);
        if (found == s_sink->archive.end()) {
            ADD_FAILURE() << name << " is not in the archive";
            return none;
        }
        return found->second;
    }

    static ParsedBmfont font() { return parseBmfont(file("FN_12.fnt")); }

    static const ParsedChar& glyph(const ParsedBmfont& font, char c) {
        const auto found = std::find_if(font.chars.begin(), font.chars.end(),
                                        [c](const ParsedChar& g) { return g.id == Byte(c); });
        if (found == font.chars.end()) {
            throw std::runtime_error(std::string("no glyph for ") + c);
        }
        return *found;
    }

  private:
    static std::uint32_t Byte(char c) { return static_cast<unsigned char>(c); }
    static inline MemorySink* s_sink = nullptr;
};

} // namespace

TEST_F(FontTest, IsVersion3WithInfoCommonPagesCharsAndKerningInOrder) {
    const Bytes& bytes = file("FN_12.fnt");
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(bytes[2], 'F');
    EXPECT_EQ(bytes[3], 3);
    EXPECT_EQ(font().blockTypes, (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
}

TEST_F(FontTest, CoversPrintableAsciiOnceEach) {
    std::multiset<std::uint32_t> ids;
    for (const ParsedChar& c : font().chars) {
        ids.insert(c.id);
    }
    for (std::uint32_t id = 32; id <= 126; ++id) {
        EXPECT_EQ(ids.count(id), 1u) << "character " << id;
    }
    EXPECT_EQ(ids.size(), 95u);
}

TEST_F(FontTest, OnePageWhoseImageIsInTheArchiveAtTheStatedSize) {
    const ParsedBmfont f = font();
    ASSERT_EQ(f.pages, 1);
    ASSERT_EQ(f.pageNames.size(), 1u);
    EXPECT_EQ(f.pageNames[0], "FN_12_0.tga");
    const auto page = DecodedImage::decode(file(f.pageNames[0]));
    ASSERT_TRUE(page);
    EXPECT_EQ(page->width(), f.scaleW);
    EXPECT_EQ(page->height(), f.scaleH);
}

TEST_F(FontTest, GlyphRectanglesLieInsideThePageAndOnIt) {
    const ParsedBmfont f = font();
    for (const ParsedChar& c : f.chars) {
        EXPECT_EQ(c.page, 0) << c.id;
        EXPECT_LE(c.x + c.width, f.scaleW) << c.id;
        EXPECT_LE(c.y + c.height, f.scaleH) << c.id;
    }
}

TEST_F(FontTest, GlyphsAreWhiteWithCoverageInAlphaAndNothingBetweenThem) {
    const ParsedBmfont f = font();
    const auto page = DecodedImage::decode(file(f.pageNames.at(0)));
    ASSERT_TRUE(page);
    std::vector<bool> inGlyph(static_cast<std::size_t>(f.scaleW * f.scaleH), false);
    for (const ParsedChar& c : f.chars) {
        for (int y = c.y; y < c.y + c.height; ++y) {
            for (int x = c.x; x < c.x + c.width; ++x) {
                inGlyph[static_cast<std::size_t>(y * f.scaleW + x)] = true;
            }
        }
    }
    int covered = 0;
    for (int y = 0; y < f.scaleH; ++y) {
        for (int x = 0; x < f.scaleW; ++x) {
            const Texel t = page->at(x, y);
            EXPECT_EQ(t.r + t.g + t.b, 3 * 255) << x << "," << y;
            if (t.a > 0) {
                ++covered;
                EXPECT_TRUE(inGlyph[static_cast<std::size_t>(y * f.scaleW + x)]) << x << "," << y;
            }
        }
    }
    EXPECT_GT(covered, 300);
    const ParsedChar& w = glyph(f, 'W');
    int solid = 0;
    for (int y = w.y; y < w.y + w.height; ++y) {
        for (int x = w.x; x < w.x + w.width; ++x) {
            solid += page->at(x, y).a >= 200;
        }
    }
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
    const ParsedChar& space = glyph(f, ' ');
    EXPECT_GT(space.xAdvance, 0);
    EXPECT_GT(glyph(f, 'W').xAdvance, glyph(f, 'i').xAdvance);
}

TEST_F(FontTest, KerningPairsNameAsciiCharacters) {
    const ParsedBmfont f = font();
    ASSERT_FALSE(f.kernings.empty());
    for (const ParsedKerning& k : f.kernings) {
        EXPECT_GE(k.first, 32u);
        EXPECT_LE(k.first, 126u);
        EXPECT_GE(k.second, 32u);
        EXPECT_LE(k.second, 126u);
        EXPECT_NE(k.amount, 0);
    }
}
