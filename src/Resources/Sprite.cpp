// Sprite display lists and drawing. The quad is recorded with t = 1 at the
// image's top row, matching the texture's lower-left origin.
#include "Resources/Sprite.h"

#include "ApplicationController.h"
#include "Logger.h"
#include "ResourceManager.h"

Sprite::Sprite(ApplicationController* appController)
    : Resource(appController), m_xOffset(0), m_yOffset(0), m_displayList(0) {}

Sprite::~Sprite() {
    unload();
}

void Sprite::load(textureEnum texture, float xOffset, float yOffset) {
    if (m_loaded) {
        m_appController->getLogger()->logError("Can't load a sprite when it's already loaded.");
        return;
    }
    m_appController->getResourceManager()->getTexture(texture, &m_texture);
    m_xOffset = xOffset;
    m_yOffset = yOffset;
    const GLfloat w = static_cast<GLfloat>(m_texture->getWidth());
    const GLfloat h = static_cast<GLfloat>(m_texture->getHeight());
    m_displayList = glGenLists(1);
    glNewList(m_displayList, GL_COMPILE);
    glShadeModel(GL_FLAT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_texture->getTexture());
    glBegin(GL_QUADS);
    glTexCoord2f(0, 1);
    glVertex2f(0, 0);
    glTexCoord2f(1, 1);
    glVertex2f(w, 0);
    glTexCoord2f(1, 0);
    glVertex2f(w, h);
    glTexCoord2f(0, 0);
    glVertex2f(0, h);
    glEnd();
    glEndList();
    m_loaded = true;
}

void Sprite::unload() {
    if (!m_loaded)
        return;
    m_texture.nullify();
    m_loaded = false;
}

void Sprite::reload() {
    m_appController->getLogger()->logFatalError(
        "Unsupported operation. Sprites can't be reloaded.");
}

void Sprite::getTexture(Pointer<Texture>* pointerDest) const {
    if (pointerDest != nullptr)
        *pointerDest = m_texture;
}

GLsizei Sprite::getWidth() const {
    return m_texture.isNull() ? 0 : m_texture->getWidth();
}

GLsizei Sprite::getHeight() const {
    return m_texture.isNull() ? 0 : m_texture->getHeight();
}

void Sprite::placeAndCall(float x, float y, float xScale, float yScale, float rotation) const {
    glTranslatef(x, y, 0);
    // The view is y-down, so a positive rotation must turn the other way
    // round the z axis to look counter-clockwise on screen.
    glRotatef(-rotation, 0, 0, 1);
    glScalef(xScale, yScale, 1);
    glTranslatef(-m_xOffset, -m_yOffset, 0);
    glCallList(m_displayList);
}

void Sprite::draw(float x, float y, float xScale, float yScale, float rotation, float red,
                  float green, float blue, float alpha) const {
    glPushMatrix();
    glColor4f(red, green, blue, alpha);
    placeAndCall(x, y, xScale, yScale, rotation);
    glPopMatrix();
}

void Sprite::draw(float x, float y, float xScale, float yScale, float rotation) const {
    glLoadIdentity();
    placeAndCall(x, y, xScale, yScale, rotation);
}
