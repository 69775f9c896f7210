// A catalogued image ready to draw: a texture plus an anchor point, compiled
// once into a display list that draws the image at its pixel size. Drawing
// puts the anchor at the given position; scale and rotation turn about it.
#pragma once

#include <GL/gl.h>

#include "PointerManager.h"
#include "Resources/ResourceEnumeration.h"
#include "Resources/Texture.h"

class Sprite : public Resource {
  public:
    explicit Sprite(ApplicationController* appController);
    ~Sprite() override;

    void load(textureEnum texture, float xOffset, float yOffset);
    void unload() override;
    void reload() override;

    void getTexture(Pointer<Texture>* pointerDest) const;
    GLsizei getWidth() const;
    GLsizei getHeight() const;
    GLfloat getXoffset() const { return m_xOffset; }
    GLfloat getYoffset() const { return m_yOffset; }

    // Saves the matrix and tints: the form the perspective-drawn world uses.
    void draw(float x, float y, float xScale, float yScale, float rotation, float red, float green,
              float blue, float alpha) const;
    // Replaces the model-view matrix and keeps the caller's colour: the form
    // the draw-list world uses.
    void draw(float x, float y, float xScale, float yScale, float rotation) const;

  private:
    void placeAndCall(float x, float y, float xScale, float yScale, float rotation) const;

    GLfloat m_xOffset;
    GLfloat m_yOffset;
    GLuint m_displayList;
    Pointer<Texture> m_texture;
};
