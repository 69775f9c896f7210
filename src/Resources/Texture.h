// An image file turned into a mipmapped OpenGL texture. The image is read
// whole through the virtual file system, decoded (ImageDecoder) and stretched
// to power-of-two sides no larger than the context allows; the unscaled size
// is kept, since sprites and fonts measure in image pixels.
#pragma once

#include <GL/gl.h>

#include "Resources/ImageDecoder.h"
#include "Resources/Resource.h"

class Texture : public Resource {
  public:
    explicit Texture(ApplicationController* appController);
    ~Texture() override;

    void load(const char* path, int wrapS, int wrapT);
    void unload() override;
    void reload() override;

    GLuint getTexture() const { return m_texture; }
    GLsizei getWidth() const { return m_width; }
    GLsizei getHeight() const { return m_height; }
    // Whether every texel is fully opaque, so that blending a surface of it
    // (at full colour alpha) over anything gives the surface alone.
    bool isOpaque() const { return m_opaque; }

  private:
    void upload(const DecodedImage& image, int wrapS, int wrapT);

    GLuint m_texture;
    GLsizei m_width;
    GLsizei m_height;
    bool m_opaque = false;
};
