// Text drawn from a bitmap font in the binary version 3 layout of the
// AngelCode generator: one texture per page and one display list per
// glyph, placed in the flat projection's coordinates.
#pragma once

#include <GL/gl.h>
#include <memory>
#include <vector>

#include "Resources/Resource.h"
#include "Resources/Texture.h"

class VirtualFileReader;

class Font : public Resource {
  public:
    enum hAlign { FN_H_LEFT = 0, FN_H_CENTER = 1, FN_H_RIGHT = 2 };
    enum vAlign { FN_V_TOP = 0, FN_V_CENTER = 1, FN_V_BOTTOM = 2 };

    struct charData {
        GLuint m_displayList = 0; // 0: no glyph for this byte
        int m_xOffset = 0;
        int m_yOffset = 0;
        int m_advance = 0;
    };

    explicit Font(ApplicationController* appController);
    ~Font() override;

    void load(const char* path);
    void unload() override;
    void reload() override;

    void print(float x, float y, const char* text);
    float getLineWidth(const char* text, const char** textPos) const;
    void getPrintDimensions(float* width, float* height, const char* text) const;
    int getCharWidth(unsigned char character) const;
    unsigned int getCharHeight() const;
    int squish(float width, char* textDest, const char* text) const;

    void setAlpha(float alpha) { m_alpha = alpha; }
    float getAlpha() const { return m_alpha; }
    void setHAlign(hAlign align) { m_hAlign = align; }
    hAlign getHAlign() const { return m_hAlign; }
    void setVAlign(vAlign align) { m_vAlign = align; }
    vAlign getVAlign() const { return m_vAlign; }

  private:
    void readFile(const char* path, VirtualFileReader& reader);
    void readPages(const char* path, VirtualFileReader& reader);
    void readGlyphs(const char* path, VirtualFileReader& reader);
    void compileGlyph(charData& glyph, const Texture& page, unsigned x, unsigned y, unsigned width,
                      unsigned height);
    float lineStartX(float x, const char* line) const;
    int advanceOf(unsigned char byte) const;

    std::vector<std::unique_ptr<Texture>> m_pageTextures;
    unsigned int m_pages;
    unsigned int m_lineSeparation;
    unsigned int m_whitespace;
    charData m_charData[256];
    GLfloat m_alpha;
    hAlign m_hAlign;
    vAlign m_vAlign;
};
