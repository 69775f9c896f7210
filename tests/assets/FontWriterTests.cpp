// The writer and the typeface adapter on their own (the packer shows in the
// font's page).
#include <gtest/gtest.h>

#include <stdexcept>

#include "BmfontTestReader.h"
#include "BmfontWriter.h"
#include "FreeTypeFace.h"

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

TEST(FreeTypeFace, MissingTypefaceNamesTheFile) {
    try {
        FreeTypeFace face("/nonexistent/NoSuchFace.ttf", 12);
        FAIL() << "opened a typeface that does not exist";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/NoSuchFace.ttf"), std::string::npos);
    }
}
