// Loads glyphs with FreeType's own hinting and renders them as 8-bit
// coverage. Every failure names the font file.
#include "FreeTypeFace.h"

#include <stdexcept>

namespace {

int roundedPixels(FT_Pos value26dot6) {
    return static_cast<int>((value26dot6 + 32) >> 6);
}

} // namespace

FreeTypeFace::FreeTypeFace(const std::string& path, int pixelHeight) : m_path(path) {
    if (FT_Init_FreeType(&m_library) != 0) {
        throw std::runtime_error("FreeType failed to start while opening " + path);
    }
    if (FT_New_Face(m_library, path.c_str(), 0, &m_face) != 0) {
        FT_Done_FreeType(m_library);
        throw std::runtime_error("Font file " + path + " could not be opened as a typeface");
    }
    if (FT_Set_Pixel_Sizes(m_face, 0, static_cast<FT_UInt>(pixelHeight)) != 0) {
        FT_Done_Face(m_face);
        FT_Done_FreeType(m_library);
        throw std::runtime_error("Font file " + path + " has no size " +
                                 std::to_string(pixelHeight));
    }
}

FreeTypeFace::~FreeTypeFace() {
    FT_Done_Face(m_face);
    FT_Done_FreeType(m_library);
}

std::string FreeTypeFace::familyName() const {
    return m_face->family_name != nullptr ? m_face->family_name : "";
}

int FreeTypeFace::ascender() const {
    return roundedPixels(m_face->size->metrics.ascender);
}

int FreeTypeFace::lineHeight() const {
    return roundedPixels(m_face->size->metrics.height);
}

RenderedGlyph FreeTypeFace::render(unsigned long codePoint) const {
    if (FT_Load_Char(m_face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0) {
        throw std::runtime_error("Font file " + m_path + " failed to render character " +
                                 std::to_string(codePoint));
    }
    const FT_GlyphSlot slot = m_face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows != 0) {
        throw std::runtime_error("Font file " + m_path + " gave a glyph that is not grey-scale");
    }
    RenderedGlyph glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = roundedPixels(slot->advance.x);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width * glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < glyph.width; ++x) {
            glyph.coverage[static_cast<std::size_t>(y * glyph.width + x)] =
                bitmap.buffer[y * bitmap.pitch + x];
        }
    }
    return glyph;
}

int FreeTypeFace::kerning(unsigned long left, unsigned long right) const {
    if (!FT_HAS_KERNING(m_face)) {
        return 0;
    }
    FT_Vector delta{};
    FT_Get_Kerning(m_face, FT_Get_Char_Index(m_face, left), FT_Get_Char_Index(m_face, right),
                   FT_KERNING_DEFAULT, &delta);
    return roundedPixels(delta.x);
}
