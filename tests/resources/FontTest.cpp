// Bitmap fonts: our real font loads from the archive; a small font written
// by the asset builder's own writer checks measuring, alignment and colour
// codes by pixels; damaged files end with the reader's messages. Test files
// are read from a plain folder on the search path (a seek past the end of a
// file behaves the same there as in the archive, since the reader checks
// the length itself).
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <physfs.h>
#include <string>

#include "BmfontWriter.h"
#include "Pixels.h"
#include "ResourceTestImages.h"
#include "Resources/Font.h"
#include "TestEngine.h"
#include "VirtualFolder.h"

namespace {

const int LINE_HEIGHT = 18;
const int GLYPH_SIZE = 8;
const int ADVANCE = 10;

BmfontChar glyph(std::uint32_t id, std::uint16_t x) {
    BmfontChar c;
    c.id = id;
    c.x = x;
    c.width = c.height = GLYPH_SIZE;
    c.xAdvance = ADVANCE;
    return c;
}

// Glyphs for a, b and ^ as solid squares on one white page.
BmfontDescription smallFont() {
    BmfontDescription font;
    font.faceName = "Test";
    font.fontSize = 12;
    font.lineHeight = LINE_HEIGHT;
    font.base = 14;
    font.pageWidth = 64;
    font.pageHeight = 16;
    font.pageNames = {"glyphs.tga"};
    font.chars = {glyph('a', 0), glyph('b', 16), glyph('^', 32), glyph(321, 48)};
    font.chars.back().xAdvance = 7;
    font.kernings = {{'a', 'b', -1}};
    return font;
}

// Where each block of an encoded font starts, header first.
std::vector<std::size_t> blockStarts(const Bytes& file) {
    std::vector<std::size_t> starts{0};
    std::size_t at = 4;
    while (at + 5 <= file.size()) {
        starts.push_back(at);
        const std::uint32_t size = file[at + 1] | (file[at + 2] << 8) | (file[at + 3] << 16) |
                                   (std::uint32_t(file[at + 4]) << 24);
        at += 5 + size;
    }
    return starts;
}

} // namespace

class Fonts : public testing::Test {
  protected:
    Fonts() { folder.write("glyphs.tga", solidTga(64, 16, {255, 255, 255, 255})); }

    std::string loadError(const Bytes& file) {
        folder.write("damaged.fnt", file);
        Font font(engine.controller.get());
        try {
            font.load("damaged.fnt");
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return font.getLoaded() ? "(loaded)" : "(not loaded)";
    }
    Font& loadSmallFont() {
        folder.write("small.fnt", encodeBmfont(smallFont()));
        font.load("small.fnt");
        return font;
    }
    Rgb viewPixel(double x, double y) const {
        const double scale = engine.settings->getVIDEO_screenWidth() / 640.0;
        return pixelAt(static_cast<int>(x * scale), static_cast<int>(y * scale),
                       engine.settings->getVIDEO_screenHeight());
    }
    bool lit(double x, double y) const { return viewPixel(x, y) != Rgb{0, 0, 0}; }
    void clearScreen() {
        glClearColor(0, 0, 0, 1);
        engine.video->preDraw();
        engine.video->set2Dmode();
    }

    TestEngine engine;
    VirtualFolder folder;
    Font font{engine.controller.get()};
};

TEST_F(Fonts, OurGameFontLoadsFromTheArchive) {
    ASSERT_TRUE(PHYSFS_mount(ARCHIVE_PATH, nullptr, 1));
    Font game(engine.controller.get());
    game.load("FN_12.fnt");
    PHYSFS_unmount(ARCHIVE_PATH);
    EXPECT_TRUE(game.getLoaded());
    EXPECT_GE(game.getCharHeight(), 12u);
    for (unsigned char c = 33; c < 127; ++c)
        EXPECT_GT(game.getCharWidth(c), 0) << "character " << c;
}

TEST_F(Fonts, BlanksTabsAndMissingGlyphsAdvanceByLineHeightQuarters) {
    Font& f = loadSmallFont();
    EXPECT_EQ(f.getLineWidth(" ", nullptr), 4);
    EXPECT_EQ(f.getLineWidth("\t", nullptr), 16);
    EXPECT_EQ(f.getLineWidth("z", nullptr), 4) << "no glyph: a blank's advance";
    EXPECT_EQ(f.getLineWidth("a^1b", nullptr), 20) << "colour codes take no room";
    EXPECT_EQ(f.getLineWidth("a^b", nullptr), 30) << "a ^ without a digit is a glyph";
    const char* end = nullptr;
    EXPECT_EQ(f.getLineWidth("ab\nb", &end), 20);
    EXPECT_EQ(*end, '\n');
    EXPECT_EQ(f.getLineWidth("A", nullptr), 4) << "id 321 is no byte: 'A' has no glyph";
}

TEST_F(Fonts, GlyphsAboveByteValuesAreSkippedNotFolded) {
    // Red on the left of the page, green on the right: 'A' is drawn from the
    // red half, U+0141 (whose low byte is 'A') from the green half.
    Image page(64, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 64; ++x)
            page.at(x, y) = x < 32 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
    folder.write("halves.tga", encodeTga(page));
    BmfontDescription description = smallFont();
    description.pageNames = {"halves.tga"};
    description.chars = {glyph('A', 0), glyph(321, 48), glyph(0x24CA, 40)};
    folder.write("halves.fnt", encodeBmfont(description));
    font.load("halves.fnt");
    clearScreen();
    font.print(100, 200, "A");
    EXPECT_EQ(viewPixel(104, 204), (Rgb{255, 0, 0}));
    EXPECT_EQ(engine.logger->textsOf("debug").back(),
              "Font file halves.fnt: 2 glyphs above 255 skipped");
}

TEST_F(Fonts, PrintDimensionsCountEveryLine) {
    Font& f = loadSmallFont();
    float width = 0, height = 0;
    f.getPrintDimensions(&width, &height, "ab\nb\n");
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 3 * LINE_HEIGHT);
    f.getPrintDimensions(&width, &height, "");
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, LINE_HEIGHT);
}

TEST_F(Fonts, RightAlignedLinesEachEndAtX) {
    Font& f = loadSmallFont();
    clearScreen();
    f.setHAlign(Font::FN_H_RIGHT);
    f.print(300, 100, "ab\nb");
    EXPECT_TRUE(lit(284, 104));  // a of the first line: 280..288
    EXPECT_TRUE(lit(294, 104));  // b: 290..298
    EXPECT_TRUE(lit(294, 122));  // b of the second line: 290..298
    EXPECT_FALSE(lit(284, 122)); // the shorter line does not start at the left
    EXPECT_FALSE(lit(302, 104));
}

TEST_F(Fonts, CentredLinesEachCentreOnX) {
    Font& f = loadSmallFont();
    clearScreen();
    f.setHAlign(Font::FN_H_CENTER);
    f.setVAlign(Font::FN_V_BOTTOM);
    f.print(300, 136, "ab\nb");
    // Two lines of 18 end at y 136: the block starts at y 100.
    EXPECT_TRUE(lit(294, 104)); // a: 290..298
    EXPECT_TRUE(lit(304, 104)); // b: 300..308
    EXPECT_TRUE(lit(299, 122)); // second line's b: 295..303
    EXPECT_FALSE(lit(292, 122));
}

TEST_F(Fonts, ColourCodeTurnsTheRestOfTheTextItsColour) {
    Font& f = loadSmallFont();
    clearScreen();
    f.print(100, 200, "a^1b");
    EXPECT_EQ(viewPixel(104, 204), (Rgb{255, 255, 255}));
    EXPECT_EQ(viewPixel(114, 204), (Rgb{255, 0, 0}));
}

TEST_F(Fonts, ColourCodeNineIsHalfGrey) {
    Font& f = loadSmallFont();
    clearScreen();
    f.print(100, 200, "^9a");
    const Rgb grey = viewPixel(104, 204);
    for (int channel : grey) {
        EXPECT_GE(channel, 126);
        EXPECT_LE(channel, 129);
    }
}

TEST_F(Fonts, DamagedHeadersAreRejected) {
    const std::string notVersion3 = "Font file damaged.fnt is not a valid Angelcode Bitmap Font "
                                    "Generator binary Version 3 file";
    Bytes version2 = encodeBmfont(smallFont());
    version2[3] = 2;
    EXPECT_EQ(loadError(version2), notVersion3);
    Bytes wrongMagic = encodeBmfont(smallFont());
    wrongMagic[1] = 'X';
    EXPECT_EQ(loadError(wrongMagic), notVersion3);

    // The writer refuses a font without pages, so patch the count to 0.
    Bytes noPages = encodeBmfont(smallFont());
    const std::size_t pagesField = 22 + (noPages[5] | (noPages[6] << 8));
    noPages[pagesField] = noPages[pagesField + 1] = 0;
    EXPECT_EQ(loadError(noPages), notVersion3);

    BmfontDescription badPage = smallFont();
    badPage.chars[1].page = 1;
    EXPECT_EQ(loadError(encodeBmfont(badPage)), notVersion3);
}

TEST_F(Fonts, FileCutInsideABlockFailsToReadOrSeek) {
    const Bytes whole = encodeBmfont(smallFont());
    const std::vector<std::size_t> starts = blockStarts(whole);
    ASSERT_EQ(starts.size(), 6u) << "header, info, common, pages, chars, kerning";
    for (std::size_t block = 0; block < 5; ++block) {
        const std::size_t end = block + 1 < starts.size() ? starts[block + 1] : whole.size();
        const Bytes cut(whole.begin(), whole.begin() + (starts[block] + end) / 2);
        const std::string message = loadError(cut);
        EXPECT_TRUE(message == "Font file damaged.fnt failed to read" ||
                    message == "Font file damaged.fnt failed to seek")
            << "cut inside block " << block << ": " << message;
    }
    const Bytes kerningCut(whole.begin(), whole.end() - 3);
    EXPECT_EQ(loadError(kerningCut), "(loaded)") << "the kerning block is not read";
    EXPECT_EQ(loadError(Bytes()), "Font file damaged.fnt failed to read");
}

TEST_F(Fonts, MissingFileIsFatal) {
    Font missing(engine.controller.get());
    EXPECT_THROW(missing.load("nothere.fnt"), std::runtime_error);
    EXPECT_EQ(engine.logger->lines.back().text, "Font file nothere.fnt not found");
}
