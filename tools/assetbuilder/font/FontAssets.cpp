// Renders printable ASCII, packs the glyphs onto the smallest power-of-two
// page that holds them (so the games upload it unscaled and the glyphs stay
// sharp), and writes the page as white pixels with coverage in alpha.
#include "FontAssets.h"

#include <stdexcept>
#include <string>

#include "BmfontWriter.h"
#include "FreeTypeFace.h"
#include "GlyphPacker.h"
#include "Tga.h"

namespace {

const char* const kTypeface = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int kPixelHeight = 12;
constexpr unsigned long kFirstChar = 32;
constexpr unsigned long kLastChar = 126;
constexpr int kGlyphGap = 1;
const char* const kFontFile = "FN_12.fnt";
const char* const kPageFile = "FN_12_0.tga";

struct Page {
    PackSize size;
    std::vector<PackPlace> places;
};

Page packOntoSmallestPage(const std::vector<RenderedGlyph>& glyphs) {
    std::vector<PackSize> sizes;
    for (const RenderedGlyph& g : glyphs) {
        sizes.push_back({g.width, g.height});
    }
    for (PackSize page : {PackSize{64, 64}, PackSize{128, 64}, PackSize{128, 128},
                          PackSize{256, 128}, PackSize{256, 256}}) {
        if (auto places = packShelves(sizes, page, kGlyphGap)) {
            return Page{page, *places};
        }
    }
    throw std::runtime_error(std::string("glyphs of ") + kTypeface + " do not fit on one page");
}

Image drawPage(const std::vector<RenderedGlyph>& glyphs, const Page& page) {
    Image image(page.size.width, page.size.height);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.at(x, y) = Rgba{255, 255, 255, 0};
        }
    }
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const RenderedGlyph& g = glyphs[i];
        for (int y = 0; y < g.height; ++y) {
            for (int x = 0; x < g.width; ++x) {
                image.at(page.places[i].x + x, page.places[i].y + y).a =
                    g.coverage[static_cast<std::size_t>(y * g.width + x)];
            }
        }
    }
    return image;
}

std::vector<BmfontKerning> kerningPairs(const FreeTypeFace& face) {
    std::vector<BmfontKerning> pairs;
    for (unsigned long a = kFirstChar; a <= kLastChar; ++a) {
        for (unsigned long b = kFirstChar; b <= kLastChar; ++b) {
            if (const int amount = face.kerning(a, b); amount != 0) {
                pairs.push_back({static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b),
                                 static_cast<std::int16_t>(amount)});
            }
        }
    }
    return pairs;
}

} // namespace

void buildFont(AssetSink& sink) {
    const FreeTypeFace face(kTypeface, kPixelHeight);
    std::vector<RenderedGlyph> glyphs;
    for (unsigned long c = kFirstChar; c <= kLastChar; ++c) {
        glyphs.push_back(face.render(c));
    }
    const Page page = packOntoSmallestPage(glyphs);

    BmfontDescription font;
    font.faceName = face.familyName();
    font.fontSize = kPixelHeight;
    font.lineHeight = static_cast<std::uint16_t>(face.lineHeight());
    font.base = static_cast<std::uint16_t>(face.ascender());
    font.pageWidth = static_cast<std::uint16_t>(page.size.width);
    font.pageHeight = static_cast<std::uint16_t>(page.size.height);
    font.pageNames = {kPageFile};
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const RenderedGlyph& g = glyphs[i];
        BmfontChar c;
        c.id = static_cast<std::uint32_t>(kFirstChar + i);
        c.x = static_cast<std::uint16_t>(page.places[i].x);
        c.y = static_cast<std::uint16_t>(page.places[i].y);
        c.width = static_cast<std::uint16_t>(g.width);
        c.height = static_cast<std::uint16_t>(g.height);
        c.xOffset = static_cast<std::int16_t>(g.left);
        c.yOffset = static_cast<std::int16_t>(face.ascender() - g.top);
        c.xAdvance = static_cast<std::int16_t>(g.advance);
        font.chars.push_back(c);
    }
    font.kernings = kerningPairs(face);

    sink.addToArchive(kFontFile, encodeBmfont(font));
    sink.addToArchive(kPageFile, encodeTga(drawPage(glyphs, page)));
}
