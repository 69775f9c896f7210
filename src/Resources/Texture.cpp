// Image decoding and upload. Row 0 of the uploaded data is the picture's
// bottom row (DevIL's lower-left origin), so texture coordinate t = 1 is the
// top edge of the image; sprites and fonts rely on that.
#include "Resources/Texture.h"

#include <GL/glu.h>
#include <vector>

#include "ApplicationController.h"
#include "Logger.h"
#include "Resources/VirtualFile.h"

namespace {
const std::size_t RGBA_BYTES = 4;

// The texture's pixels, empty when the picture is uploaded as it is. The
// picture is stretched, not padded, so that texture coordinates 0 to 1
// always span the whole of it, and with GLU's filter, the one the game's
// pictures are made for.
std::vector<unsigned char> stretchToTexture(const DecodedImage& image) {
    if (image.textureWidth == image.width && image.textureHeight == image.height)
        return {};
    std::vector<unsigned char> stretched(std::size_t(image.textureWidth) *
                                         std::size_t(image.textureHeight) * RGBA_BYTES);
    gluScaleImage(GL_RGBA, image.width, image.height, GL_UNSIGNED_BYTE, image.rgba.data(),
                  image.textureWidth, image.textureHeight, GL_UNSIGNED_BYTE, stretched.data());
    return stretched;
}

} // namespace

Texture::Texture(ApplicationController* appController)
    : Resource(appController), m_texture(0), m_width(0), m_height(0) {}

Texture::~Texture() {
    unload();
}

void Texture::load(const char* path, int wrapS, int wrapT) {
    Logger& logger = *m_appController->getLogger();
    if (m_loaded) {
        logger.logError("Can't load a texture when it's already loaded.");
        return;
    }
    const VirtualFileMessages messages = {
        "Texture file %s not found", "Texture file %s failed to open",
        "Texture file %s failed to get texture file length",
        "Texture file %s failed to read file into buffer", "Failed to close texture file %s"};
    const std::vector<char> file = readWholeVirtualFile(path, messages, logger);

    GLint maxTextureSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxTextureSide);
    DecodedImage image;
    switch (decodeImage(file, maxTextureSide, image)) {
    case ImageDecodeResult::Decoded:
        break;
    case ImageDecodeResult::Refused:
        logger.logFatalError("Error loading image %s", path);
        return;
    case ImageDecodeResult::NotConvertible:
        logger.logFatalError("Error converting image %s to raw data", path);
        return;
    }
    upload(image, wrapS, wrapT);
    if (glGetError() != GL_NO_ERROR)
        logger.logFatalError("OpenGL error while loading image %s", path);
    m_loaded = true;
}

void Texture::upload(const DecodedImage& image, int wrapS, int wrapT) {
    m_width = image.width;
    m_height = image.height;
    m_opaque = true;
    for (std::size_t alpha = 3; alpha < image.rgba.size() && m_opaque; alpha += RGBA_BYTES)
        m_opaque = image.rgba[alpha] == 255;
    const std::vector<unsigned char> stretched = stretchToTexture(image);
    glGenTextures(1, &m_texture);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, image.textureWidth, image.textureHeight, GL_RGBA,
                      GL_UNSIGNED_BYTE, stretched.empty() ? image.rgba.data() : stretched.data());
}

void Texture::unload() {
    if (!m_loaded)
        return;
    glDeleteTextures(1, &m_texture);
    m_loaded = false;
}

void Texture::reload() {
    m_appController->getLogger()->logFatalError(
        "Unsupported operation.  Textures can't be reloaded.");
}
