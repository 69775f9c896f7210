// Bitmap fonts: a small font written by the asset builder's own writer
// checks measuring, alignment and colour codes by pixels; damaged files end
// with the reader's messages. (Our real font is read by the asset tests and
// printed with by the resource viewer's end-to-end test.) Test files
// are read from a plain folder on the search path (a seek past the end of a
// file behaves the same there as in the archive, since the reader checks
// the length itself).
#include <functional>
#include <string>

#include "BmfontWriter.h"
#include "ResourceFixture.h"
#include "ResourceTestImages.h"
#include "Resources/Font.h"

namespace {

const int LINE_HEIGHT = 18;

// An 8 x 8 glyph advancing by 10.
BmfontChar glyph(std::uint32_t id, std::uint16_t x) {
    BmfontChar c;
    c.id = id;
    c.x = x;
    c.width = c.height = 8;
    c.xAdvance = 10;
    return c;
}

// Glyphs for a, b and ^ as solid squares on one white page; id 321 is no
// byte.
BmfontDescription smallFont() {
    BmfontDescription font;
    font.lineHeight = LINE_HEIGHT;
    font.pageWidth = 64;
    font.pageHeight = 16;
    font.pageNames = {"glyphs.tga"};
    font.chars = {glyph('a', 0), glyph('b', 16), glyph('^', 32), glyph(321, 48)};
    font.chars.back().xAdvance = 7;
    font.kernings = {{'a', 'b', -1}};
    return font;
}

} // namespace

class Fonts : public ResourceTest {
  protected:
    Fonts() { folder.write("glyphs.tga", solidTga(64, 16, {255, 255, 255, 255})); }

    std::string loadError(const Bytes& file) {
        folder.write("damaged.fnt", file);
        Font damaged(engine.controller.get());
        const std::string message = fatalMessageOf([&] { damaged.load("damaged.fnt"); });
        return message != "(no error)" ? message
               : damaged.getLoaded()   ? "(loaded)"
                                       : "(not loaded)";
    }
    Font& loadSmallFont() {
        folder.write("small.fnt", encodeBmfont(smallFont()));
        font.load("small.fnt");
        return font;
    }
    bool lit(double x, double y) const { return viewPixel(x, y) != Rgb{0, 0, 0}; }

    Font font{engine.controller.get()};
};

TEST_F(Fonts, BlanksTabsAndMissingGlyphsAdvanceByLineHeightQuarters) {
    Font& f = loadSmallFont();
    // A blank, a tab, no glyph (a blank's advance), colour codes taking no
    // room, a ^ without a digit drawn as a glyph, and id 321, which is no
    // byte, leaving 'A' without a glyph.
    const std::pair<const char*, int> widths[] = {{" ", 4},     {"\t", 16},  {"z", 4},
                                                  {"a^1b", 20}, {"a^b", 30}, {"A", 4}};
    for (const auto& [text, width] : widths)
        EXPECT_EQ(f.getLineWidth(text, nullptr), width) << '"' << text << '"';
    const char* end = nullptr;
    EXPECT_EQ(f.getLineWidth("ab\nb", &end), 20);
    EXPECT_EQ(*end, '\n');
    float width = 0, height = 0;
    f.getPrintDimensions(&width, &height, "ab\nb\n");
    EXPECT_EQ(width, 20);
    EXPECT_EQ(height, 3 * LINE_HEIGHT) << "every line counts, the empty last one too";
    f.getPrintDimensions(&width, &height, "");
    EXPECT_EQ(width, 0);
    EXPECT_EQ(height, LINE_HEIGHT);
}

TEST_F(Fonts, GlyphsAboveByteValuesAreSkippedNotFolded) {
    // Red on the left of the page, green on the right: 'A' is drawn from the
    // red half, U+0141 (whose low byte is 'A') from the green half.
    folder.write("halves.tga", paintedTga(64, 16, [](int x, int) {
                     return x < 32 ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255};
                 }));
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

// "ab" over "b", each glyph 8 wide and advancing 10, lines 18 apart.
TEST_F(Fonts, AlignedLinesEachLineUpOnTheirPoint) {
    struct Probe {
        double x, y;
        bool lit;
    };
    Font& f = loadSmallFont();
    const auto expect = [&](const char* name, Font::hAlign h, Font::vAlign v, double y,
                            const std::vector<Probe>& probes) {
        clearScreen();
        f.setHAlign(h);
        f.setVAlign(v);
        f.print(300, y, "ab\nb");
        for (const Probe& p : probes)
            EXPECT_EQ(lit(p.x, p.y), p.lit) << name << " at " << p.x << "," << p.y;
    };
    expect("right: each line ends at x", Font::FN_H_RIGHT, Font::FN_V_TOP, 100,
           {{284, 104, 1}, {294, 104, 1}, {294, 122, 1}, {284, 122, 0}, {302, 104, 0}});
    expect("centred on x, the block ending at y", Font::FN_H_CENTER, Font::FN_V_BOTTOM, 136,
           {{294, 104, 1}, {304, 104, 1}, {299, 122, 1}, {292, 122, 0}});
}

TEST_F(Fonts, ColourCodesTurnTheRestOfTheTextTheirColour) {
    Font& f = loadSmallFont();
    clearScreen();
    f.print(100, 200, "a^1b^9a");
    EXPECT_EQ(viewPixel(104, 204), (Rgb{255, 255, 255}));
    EXPECT_EQ(viewPixel(114, 204), (Rgb{255, 0, 0}));
    for (int channel : viewPixel(124, 204)) {
        EXPECT_GE(channel, 126) << "^9 is half grey";
        EXPECT_LE(channel, 129) << "^9 is half grey";
    }
}

// The writer refuses a font without pages, so the count is patched to 0.
// A file cut inside a block fails to read or to seek; the kerning block is
// not read.
TEST_F(Fonts, DamagedHeadersAndFilesCutInsideABlockAreRejected) {
    BmfontDescription badPage = smallFont();
    badPage.chars[1].page = 1;
    const Bytes whole = encodeBmfont(smallFont());
    const std::size_t pagesField = 22 + (whole[5] | (whole[6] << 8));
    const std::pair<const char*, std::function<void(Bytes&)>> damages[] = {
        {"version 2", [](Bytes& file) { file[3] = 2; }},
        {"wrong magic", [](Bytes& file) { file[1] = 'X'; }},
        {"no pages", [&](Bytes& file) { file[pagesField] = file[pagesField + 1] = 0; }},
        {"a glyph on a page that does not exist",
         [&](Bytes& file) { file = encodeBmfont(badPage); }},
    };
    for (const auto& [name, damage] : damages) {
        Bytes file = whole;
        damage(file);
        EXPECT_EQ(loadError(file), "Font file damaged.fnt is not a valid Angelcode Bitmap Font "
                                   "Generator binary Version 3 file")
            << name;
    }

    // Where each block starts, the header first.
    std::vector<std::size_t> starts{0};
    for (std::size_t at = 4; at + 5 <= whole.size();
         at += 5 + (whole[at + 1] | (whole[at + 2] << 8) | (whole[at + 3] << 16) |
                    (std::size_t(whole[at + 4]) << 24)))
        starts.push_back(at);
    ASSERT_EQ(starts.size(), 6u) << "header, info, common, pages, chars, kerning";
    for (std::size_t block = 0; block < 5; ++block) {
        const Bytes cut(whole.begin(), whole.begin() + (starts[block] + starts[block + 1]) / 2);
        const std::string message = loadError(cut);
        EXPECT_TRUE(message == "Font file damaged.fnt failed to read" ||
                    message == "Font file damaged.fnt failed to seek")
            << "cut inside block " << block << ": " << message;
    }
    const Bytes kerningCut(whole.begin(), whole.end() - 3);
    EXPECT_EQ(loadError(kerningCut), "(loaded)") << "the kerning block is not read";
    EXPECT_EQ(loadError(Bytes()), "Font file damaged.fnt failed to read");
}
