// The writer, the packer and the typeface adapter on their own.
#include <gtest/gtest.h>

#include <stdexcept>

#include "BmfontTestReader.h"
#include "BmfontWriter.h"
#include "FreeTypeFace.h"
#include "GlyphPacker.h"

namespace {

BmfontDescription twoPageFont() {
    BmfontDescription font;
    font.faceName = "Test Face";
    font.fontSize = 18;
    font.lineHeight = 18;
    font.base = 14;
    font.pageWidth = 64;
    font.pageHeight = 32;
    font.pageNames = {"a_0.tga", "a_1.tga"};
    font.chars = {{65, 1, 2, 3, 4, -1, 5, 6, 0, 15}, {321, 7, 8, 9, 10, 2, -3, 11, 1, 15}};
    font.kernings = {{65, 86, -2}};
    return font;
}

} // namespace

TEST(BmfontWriter, SmallFontReadsBackFieldForField) {
    const ParsedBmfont parsed = parseBmfont(encodeBmfont(twoPageFont()));
    EXPECT_EQ(parsed.faceName, "Test Face");
    EXPECT_EQ(std::vector<int>({parsed.fontSize, parsed.lineHeight, parsed.base, parsed.scaleW,
                                parsed.scaleH, parsed.pages}),
              std::vector<int>({18, 18, 14, 64, 32, 2}));
    EXPECT_EQ(parsed.pageNames, (std::vector<std::string>{"a_0.tga", "a_1.tga"}));
    ASSERT_EQ(parsed.chars.size(), 2u);
    const ParsedChar& c = parsed.chars[1];
    EXPECT_EQ(std::vector<int>({int(c.id), c.x, c.y, c.width, c.height, c.xOffset, c.yOffset,
                                c.xAdvance, c.page}),
              std::vector<int>({321, 7, 8, 9, 10, 2, -3, 11, 1}));
    ASSERT_EQ(parsed.kernings.size(), 1u);
    EXPECT_EQ(parsed.kernings[0].amount, -2);
}

TEST(BmfontWriter, RefusesNoPagesOrPageNamesOfDifferentLengths) {
    BmfontDescription font = twoPageFont();
    font.pageNames = {"a_0.tga", "a_10.tga"};
    EXPECT_THROW(encodeBmfont(font), std::invalid_argument);
    font.pageNames.clear();
    EXPECT_THROW(encodeBmfont(font), std::invalid_argument);
}

TEST(GlyphPacker, PlacesDoNotOverlapAndKeepTheGapOrSaySoWhenTheyDoNotFit) {
    const std::vector<PackSize> sizes = {{5, 9}, {7, 3}, {2, 12}, {10, 10}, {4, 4}, {6, 9}};
    const auto places = packShelves(sizes, {24, 40}, 1);
    ASSERT_TRUE(places);
    for (std::size_t a = 0; a < sizes.size(); ++a) {
        const PackPlace p = (*places)[a];
        EXPECT_GE(p.x, 1);
        EXPECT_GE(p.y, 1);
        EXPECT_LE(p.x + sizes[a].width + 1, 24);
        EXPECT_LE(p.y + sizes[a].height + 1, 40);
        for (std::size_t b = a + 1; b < sizes.size(); ++b) {
            const PackPlace q = (*places)[b];
            const bool apart = p.x + sizes[a].width + 1 <= q.x || q.x + sizes[b].width + 1 <= p.x ||
                               p.y + sizes[a].height + 1 <= q.y || q.y + sizes[b].height + 1 <= p.y;
            EXPECT_TRUE(apart) << a << " and " << b;
        }
    }
    EXPECT_FALSE(packShelves({{10, 10}, {10, 10}, {10, 10}}, {24, 12}, 1));
    EXPECT_FALSE(packShelves({{30, 2}}, {24, 12}, 1));
}

TEST(FreeTypeFace, MissingTypefaceNamesTheFile) {
    try {
        FreeTypeFace face("/nonexistent/NoSuchFace.ttf", 12);
        FAIL() << "opened a typeface that does not exist";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/NoSuchFace.ttf"), std::string::npos);
    }
}
