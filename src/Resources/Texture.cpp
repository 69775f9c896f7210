// Image decoding and upload. Row 0 of the uploaded data is the picture's
// bottom row (DevIL's lower-left origin), so texture coordinate t = 1 is the
// top edge of the image; sprites and fonts rely on that.
#include "Resources/Texture.h"

#include <GL/glu.h>
#include <IL/il.h>
#include <vector>

#include "ApplicationController.h"
#include "Logger.h"
#include "Resources/ImageCheck.h"
#include "Resources/VirtualFile.h"

unsigned int nextPow2(unsigned int value) {
    --value;
    value |= value >> 1;
    value |= value >> 2;
    value |= value >> 4;
    value |= value >> 8;
    value |= value >> 16;
    return value + 1;
}

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

    const ILuint image = ilGenImage();
    ilBindImage(image);
    ilOriginFunc(IL_ORIGIN_LOWER_LEFT);
    ilEnable(IL_ORIGIN_SET);
    // DevIL's signature takes a non-const lump; it only reads it.
    if (file.empty() || !imageDataComplete(file) ||
        !ilLoadL(IL_TYPE_UNKNOWN, const_cast<char*>(file.data()),
                 static_cast<ILuint>(file.size()))) {
        ilDeleteImage(image);
        logger.logFatalError("Error loading image %s", path);
    }
    if (!ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE)) {
        ilDeleteImage(image);
        logger.logFatalError("Error converting image %s to raw data", path);
    }
    upload(wrapS, wrapT);
    ilDeleteImage(image);
    if (glGetError() != GL_NO_ERROR)
        logger.logFatalError("OpenGL error while loading image %s", path);
    m_loaded = true;
}

void Texture::upload(int wrapS, int wrapT) {
    m_width = ilGetInteger(IL_IMAGE_WIDTH);
    m_height = ilGetInteger(IL_IMAGE_HEIGHT);
    const GLint bytesPerPixel = ilGetInteger(IL_IMAGE_BYTES_PER_PIXEL);
    const GLenum format = static_cast<GLenum>(ilGetInteger(IL_IMAGE_FORMAT));
    const GLsizei targetWidth = static_cast<GLsizei>(nextPow2(static_cast<unsigned>(m_width)));
    const GLsizei targetHeight = static_cast<GLsizei>(nextPow2(static_cast<unsigned>(m_height)));

    // The image is stretched, not padded, so coordinates 0 to 1 always span
    // the whole picture.
    const void* pixels = ilGetData();
    std::vector<unsigned char> scaled;
    if (targetWidth != m_width || targetHeight != m_height) {
        scaled.resize(static_cast<std::size_t>(targetWidth) * bytesPerPixel * targetHeight);
        gluScaleImage(format, m_width, m_height, GL_UNSIGNED_BYTE, pixels, targetWidth,
                      targetHeight, GL_UNSIGNED_BYTE, scaled.data());
        pixels = scaled.data();
    }
    glGenTextures(1, &m_texture);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapS);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    gluBuild2DMipmaps(GL_TEXTURE_2D, bytesPerPixel, targetWidth, targetHeight, format,
                      GL_UNSIGNED_BYTE, pixels);
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
