// The one adapter over FreeType: opens a typeface at a pixel size and hands
// out rendered glyphs and kerning in whole pixels.
#pragma once

#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

struct RenderedGlyph {
    int width = 0;
    int height = 0;
    int left = 0;                        // pen to the bitmap's left edge
    int top = 0;                         // baseline to the bitmap's top edge, upwards
    int advance = 0;                     // pen advance
    std::vector<unsigned char> coverage; // width * height, top row first
};

class FreeTypeFace {
  public:
    FreeTypeFace(const std::string& path, int pixelHeight);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    std::string familyName() const;
    int ascender() const;   // baseline below the line top
    int lineHeight() const; // distance between baselines
    RenderedGlyph render(unsigned long codePoint) const;
    // Extra pen movement between the two characters; 0 when the face has none.
    int kerning(unsigned long left, unsigned long right) const;

  private:
    std::string m_path;
    FT_Library m_library = nullptr;
    FT_Face m_face = nullptr;
};
