// Reading the font file and printing with it. The reader walks the blocks in
// their standard order with relative skips; sizes read from the file are
// checked before anything is divided by them or indexed with them.
#include "Resources/Font.h"

#include <physfs.h>

#include "ApplicationController.h"
#include "Logger.h"
#include "ProgramProfile.h"
#include "Resources/VirtualFileReader.h"

namespace {

const PHYSFS_uint64 READ_BUFFER_SIZE = 4096;
const std::uint8_t MAGIC_AND_VERSION[4] = {'B', 'M', 'F', 3};
const unsigned CHAR_RECORD_SIZE = 20;
const std::uint32_t MAX_BYTE_GLYPH = 255;
const unsigned TAB_WIDTH_IN_BLANKS = 4;
const char LINE_BREAK = '\n';
const char TAB = '\t';
const char BLANK = ' ';
const char COLOUR_CODE = '^';

const GLfloat PALETTE[10][3] = {{0, 0, 0},       {1, 0, 0},         {0, 1, 0}, {1, 1, 0},
                                {0, 0, 1},       {0, 1, 1},         {1, 0, 1}, {1, 1, 1},
                                {0.5f, 0, 0.5f}, {0.5f, 0.5f, 0.5f}};

bool isColourCode(const char* text) {
    return text[0] == COLOUR_CODE && text[1] >= '0' && text[1] <= '9';
}

} // namespace

Font::Font(ApplicationController* appController)
    : Resource(appController), m_pages(0), m_lineSeparation(0), m_whitespace(0), m_alpha(1),
      m_hAlign(FN_H_LEFT), m_vAlign(FN_V_TOP) {}

Font::~Font() {
    unload();
}

void Font::load(const char* path) {
    Logger& logger = *m_appController->getLogger();
    if (m_loaded) {
        logger.logError("Can't load a font when it's already loaded.");
        return;
    }
    if (!PHYSFS_exists(path))
        logger.logFatalError("Font file %s not found", path);
    PHYSFS_File* file = PHYSFS_openRead(path);
    if (file == nullptr)
        logger.logFatalError("Font file %s failed to open", path);
    if (PHYSFS_setBuffer(file, READ_BUFFER_SIZE) == 0) {
        PHYSFS_close(file);
        logger.logFatalError("Font file %s failed to set a buffer", path);
    }
    VirtualFileReader reader(file);
    try {
        readFile(path, reader);
    } catch (...) {
        // The error is already reported; only the file handle is ours to
        // give back before the error goes on.
        PHYSFS_close(file);
        throw;
    }
    if (PHYSFS_close(file) == 0)
        logger.logFatalError("Failed to close font file %s", path);
    m_whitespace = m_lineSeparation / 4;
    m_loaded = true;
}

void Font::readFile(const char* path, VirtualFileReader& reader) {
    Logger& logger = *m_appController->getLogger();
    const auto check = [&](bool ok, const char* message) {
        if (!ok)
            logger.logFatalError(message, path);
    };
    const char* const failedToRead = "Font file %s failed to read";
    const char* const failedToSeek = "Font file %s failed to seek";
    const char* const notVersion3 =
        "Font file %s is not a valid Angelcode Bitmap Font Generator binary Version 3 file";

    for (std::uint8_t expected : MAGIC_AND_VERSION) {
        std::uint8_t byte = 0;
        check(reader.readU8(byte), failedToRead);
        check(byte == expected, notVersion3);
    }
    std::uint32_t infoSize = 0;
    std::uint16_t lineHeight = 0, pages = 0;
    check(reader.skip(1), failedToSeek);
    check(reader.readU32(infoSize), failedToRead);
    check(reader.skip(std::uint64_t(infoSize) + 5), failedToSeek);
    check(reader.readU16(lineHeight), failedToRead);
    check(reader.skip(6), failedToSeek);
    check(reader.readU16(pages), failedToRead);
    // Without a page no glyph can be drawn, and the page name length would
    // be a division by zero.
    check(pages > 0, notVersion3);
    m_lineSeparation = lineHeight;
    m_pages = pages;
    check(reader.skip(6), failedToSeek);
    readPages(path, reader);
    readGlyphs(path, reader);
}

void Font::readPages(const char* path, VirtualFileReader& reader) {
    Logger& logger = *m_appController->getLogger();
    std::uint32_t pagesSize = 0;
    if (!reader.readU32(pagesSize))
        logger.logFatalError("Font file %s failed to read", path);
    const std::size_t nameLength = pagesSize / m_pages;
    for (unsigned page = 0; page < m_pages; ++page) {
        std::string name;
        if (!reader.readString(nameLength, name))
            logger.logFatalError("Font file %s failed to read", path);
        auto texture = std::make_unique<Texture>(m_appController);
        texture->load(name.c_str(), programProfile().fontPageWrap, programProfile().fontPageWrap);
        m_pageTextures.push_back(std::move(texture));
    }
}

void Font::readGlyphs(const char* path, VirtualFileReader& reader) {
    Logger& logger = *m_appController->getLogger();
    const auto check = [&](bool ok, const char* message) {
        if (!ok)
            logger.logFatalError(message, path);
    };
    const char* const failedToRead = "Font file %s failed to read";
    std::uint32_t charsSize = 0;
    check(reader.skip(1), "Font file %s failed to seek");
    check(reader.readU32(charsSize), failedToRead);
    for (charData& entry : m_charData)
        entry = charData();
    std::uint32_t beyondBytes = 0;
    for (std::uint32_t record = 0; record < charsSize / CHAR_RECORD_SIZE; ++record) {
        std::uint32_t id = 0;
        std::uint16_t x = 0, y = 0, width = 0, height = 0;
        std::int16_t xOffset = 0, yOffset = 0, xAdvance = 0;
        std::uint8_t page = 0;
        check(reader.readU32(id) && reader.readU16(x) && reader.readU16(y) &&
                  reader.readU16(width) && reader.readU16(height) && reader.readS16(xOffset) &&
                  reader.readS16(yOffset) && reader.readS16(xAdvance),
              failedToRead);
        check(reader.readU8(page), failedToRead);
        check(page < m_pages,
              "Font file %s is not a valid Angelcode Bitmap Font Generator binary Version 3 file");
        check(reader.skip(1), "Font file %s failed to seek");
        // The printer prints bytes, so a glyph above 255 can never be asked
        // for; filing it under its low byte would replace an ASCII glyph.
        if (id > MAX_BYTE_GLYPH) {
            ++beyondBytes;
            continue;
        }
        charData& glyph = m_charData[id];
        glyph.m_xOffset = xOffset;
        glyph.m_yOffset = yOffset;
        glyph.m_advance = xAdvance;
        compileGlyph(glyph, *m_pageTextures[page], x, y, width, height);
    }
    if (beyondBytes > 0)
        logger.logDebug("Font file %s: %u glyphs above 255 skipped", path,
                        static_cast<unsigned>(beyondBytes));
}

void Font::compileGlyph(charData& glyph, const Texture& page, unsigned x, unsigned y,
                        unsigned width, unsigned height) {
    const float pageWidth = static_cast<float>(page.getWidth());
    const float pageHeight = static_cast<float>(page.getHeight());
    const float s0 = x / pageWidth, s1 = (x + width) / pageWidth;
    // The page's top row is at t = 1.
    const float t0 = 1 - y / pageHeight, t1 = 1 - (y + height) / pageHeight;
    const int left = glyph.m_xOffset, right = glyph.m_xOffset + static_cast<int>(width);
    const int top = glyph.m_yOffset, bottom = glyph.m_yOffset + static_cast<int>(height);
    // A record repeating a byte value replaces the earlier glyph.
    if (glyph.m_displayList == 0)
        glyph.m_displayList = glGenLists(1);
    glNewList(glyph.m_displayList, GL_COMPILE);
    glShadeModel(GL_FLAT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, page.getTexture());
    glBegin(GL_QUADS);
    glTexCoord2f(s0, t1);
    glVertex2i(left, bottom);
    glTexCoord2f(s1, t1);
    glVertex2i(right, bottom);
    glTexCoord2f(s1, t0);
    glVertex2i(right, top);
    glTexCoord2f(s0, t0);
    glVertex2i(left, top);
    glEnd();
    glEndList();
}

void Font::unload() {
    if (!m_loaded)
        return;
    for (auto& page : m_pageTextures)
        page->unload();
    m_pageTextures.clear();
    m_loaded = false;
}

void Font::reload() {
    m_appController->getLogger()->logFatalError("Unsupported operation.  Fonts can't be reloaded.");
}

int Font::advanceOf(unsigned char byte) const {
    if (byte == BLANK)
        return static_cast<int>(m_whitespace);
    if (byte == TAB)
        return static_cast<int>(TAB_WIDTH_IN_BLANKS * m_whitespace);
    const charData& glyph = m_charData[byte];
    return glyph.m_displayList != 0 ? glyph.m_advance : static_cast<int>(m_whitespace);
}

float Font::getLineWidth(const char* text, const char** textPos) const {
    float width = 0;
    while (*text != '\0' && *text != LINE_BREAK) {
        if (isColourCode(text)) {
            text += 2;
            continue;
        }
        width += static_cast<float>(advanceOf(static_cast<unsigned char>(*text)));
        ++text;
    }
    if (textPos != nullptr)
        *textPos = text;
    return width;
}

void Font::getPrintDimensions(float* width, float* height, const char* text) const {
    float widest = 0;
    float extra = 0;
    while (*text != '\0') {
        const char* end = text;
        const float lineWidth = getLineWidth(text, &end);
        widest = lineWidth > widest ? lineWidth : widest;
        text = end;
        if (*text == LINE_BREAK) {
            ++text;
            extra += static_cast<float>(m_lineSeparation);
        }
    }
    *width = widest;
    *height = static_cast<float>(m_lineSeparation) + extra;
}

int Font::getCharWidth(unsigned char character) const {
    return m_loaded ? m_charData[character].m_advance : 0;
}

unsigned int Font::getCharHeight() const {
    return m_loaded ? m_lineSeparation : 0;
}

int Font::squish(float /*width*/, char* /*textDest*/, const char* /*text*/) const {
    return 0;
}

float Font::lineStartX(float x, const char* line) const {
    switch (m_hAlign) {
    case FN_H_CENTER:
        return x - getLineWidth(line, nullptr) / 2;
    case FN_H_RIGHT:
        return x - getLineWidth(line, nullptr);
    case FN_H_LEFT:
        break;
    }
    return x;
}

void Font::print(float x, float y, const char* text) {
    glColor4f(1, 1, 1, m_alpha);
    float penX = x;
    float penY = y;
    if (m_hAlign != FN_H_LEFT || m_vAlign != FN_V_TOP) {
        float width = 0, height = 0;
        getPrintDimensions(&width, &height, text);
        if (m_vAlign == FN_V_CENTER)
            penY = y - height / 2;
        else if (m_vAlign == FN_V_BOTTOM)
            penY = y - height;
        penX = lineStartX(x, text);
    }
    while (*text != '\0') {
        if (*text == LINE_BREAK) {
            ++text;
            penX = lineStartX(x, text);
            penY += static_cast<float>(m_lineSeparation);
            continue;
        }
        if (isColourCode(text)) {
            const GLfloat* colour = PALETTE[text[1] - '0'];
            glColor4f(colour[0], colour[1], colour[2], m_alpha);
            text += 2;
            continue;
        }
        const unsigned char byte = static_cast<unsigned char>(*text++);
        const charData& glyph = m_charData[byte];
        if (byte != BLANK && byte != TAB && glyph.m_displayList != 0) {
            glLoadIdentity();
            glTranslatef(penX, penY, 0);
            glCallList(glyph.m_displayList);
        }
        penX += static_cast<float>(advanceOf(byte));
    }
}
