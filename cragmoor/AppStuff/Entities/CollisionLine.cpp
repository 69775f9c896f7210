// Collision lines register with the map on construction; the map's line
// registry owns them for the level's life.
#include "Entities/CollisionLine.h"

#include <GL/gl.h>

#include "AppStuff/MapController.h"

namespace {
// Length of the drawn normal tick, in world units.
const double NORMAL_TICK = 5.0;
} // namespace

CollisionLine::CollisionLine(MapController* map, const Line2& line)
    : m_mapController(map), m_retreivalCounter(0), m_line(line),
      m_precomputedNormal((line.m_b - line.m_a).rNormal().normalize()) {
    m_mapController->collisionLineAdd(this, &m_pointer);
}

CollisionLine::~CollisionLine() = default;

void CollisionLine::draw() const {
    m_mapController->set3Dmode();
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    const Vector2 middle = (m_line.m_a + m_line.m_b) / 2.0;
    const Vector2 tick = middle + m_precomputedNormal * NORMAL_TICK;
    glBegin(GL_LINES);
    glColor4f(1, 0, 0, 0.5f);
    glVertex3d(m_line.m_a.m_x, m_line.m_a.m_y, 0);
    glVertex3d(m_line.m_b.m_x, m_line.m_b.m_y, 0);
    glColor4f(1, 1, 0, 0.5f);
    glVertex3d(middle.m_x, middle.m_y, 0);
    glVertex3d(tick.m_x, tick.m_y, 0);
    glEnd();
    glColor4f(0, 1, 0, 0.5f);
    glBegin(GL_QUADS);
    for (const Vector2& p : {m_line.m_a, m_line.m_b}) {
        glVertex3d(p.m_x, p.m_y - 1, 0);
        glVertex3d(p.m_x - 1, p.m_y, 0);
        glVertex3d(p.m_x, p.m_y + 1, 0);
        glVertex3d(p.m_x + 1, p.m_y, 0);
    }
    glEnd();
    glPopMatrix();
}
