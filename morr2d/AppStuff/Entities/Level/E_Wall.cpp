// Shape tests and drawing of the wall tiles. All shape comparisons are
// strict: a point on a diagonal is not solid, so a box resting on a slope
// touches it without overlapping it.
#include "Entities/Level/E_Wall.h"

#include <GL/gl.h>
#include <stdexcept>

#include "AppStuff/MapController.h"
#include "Entities/WorldAccess.h"
#include "PointMath.h"
#include "ResourceManager.h"

namespace {

constexpr double HALF = E_Wall::SIZE / 2.0;
constexpr float SIDE = static_cast<float>(E_Wall::SIZE);

struct Corner {
    float s, t, x, y;
};
using Quad = Corner[4];

// Texture coordinates stay those of the full square; the triangles repeat
// one corner, so the quad degenerates into the solid part.
const Quad SQUARE = {{0, 1, 0, 0}, {1, 1, SIDE, 0}, {1, 0, SIDE, SIDE}, {0, 0, 0, SIDE}};
const Quad RISING_FLOOR = {{0, 1, 0, SIDE}, {1, 1, SIDE, 0}, {1, 0, SIDE, SIDE}, {0, 0, 0, SIDE}};
const Quad FALLING_FLOOR = {{0, 1, 0, 0}, {1, 1, SIDE, SIDE}, {1, 0, SIDE, SIDE}, {0, 0, 0, SIDE}};
const Quad LEFT_CEILING = {{0, 1, 0, 0}, {1, 1, SIDE, 0}, {1, 0, SIDE, 0}, {0, 0, 0, SIDE}};
const Quad RIGHT_CEILING = {{0, 1, 0, 0}, {1, 1, SIDE, 0}, {1, 0, SIDE, SIDE}, {0, 0, 0, 0}};

const Quad* quadOf(WallType type) {
    switch (type) {
    case WT_WALL:
        return &SQUARE;
    case WT_WALL_DUT:
        return &RISING_FLOOR;
    case WT_WALL_UDT:
        return &FALLING_FLOOR;
    case WT_WALL_DUB:
        return &LEFT_CEILING;
    case WT_WALL_UDB:
        return &RIGHT_CEILING;
    default:
        return nullptr;
    }
}

} // namespace

E_Wall::E_Wall(MapController* mapController, double x, double y, WallType wallType)
    : Entity(mapController, x, y, 0, 0, SIZE, SIZE, EN_WALL, 0), m_wallType(wallType) {
    applicationOf(mapController)->getResourceManager()->getTexture(TX_VexLogo, &m_image);
    // The unshaped halves keep half their box for the levels to come.
    switch (wallType) {
    case WT_WALL_DUT_H:
    case WT_WALL_UDT_H:
        setBboxU(HALF);
        break;
    case WT_WALL_DUB_H:
    case WT_WALL_UDB_H:
        setBboxD(HALF);
        break;
    case WT_WALL_DUT_V:
    case WT_WALL_UDB_V:
        setBboxL(HALF);
        break;
    case WT_WALL_UDT_V:
    case WT_WALL_DUB_V:
        setBboxR(HALF);
        break;
    default:
        break;
    }
}

bool E_Wall::intersect(double x, double y) const {
    if (!shapesIntersect(x, y, m_x + m_bboxL, m_y + m_bboxU, m_x + m_bboxR, m_y + m_bboxD))
        return false;
    return intersectHelper(x, y);
}

bool E_Wall::intersect(double left, double top, double right, double bottom) const {
    if (!shapesIntersect(left, top, right, bottom, m_x + m_bboxL, m_y + m_bboxU, m_x + m_bboxR,
                         m_y + m_bboxD))
        return false;
    if (m_wallType == WT_WALL)
        return true;
    return intersectHelper(left, top, right, bottom);
}

bool E_Wall::intersectHelper(double x, double y) const {
    const double u = x - m_x, v = y - m_y;
    switch (m_wallType) {
    case WT_WALL:
        return true;
    case WT_WALL_DUT:
        return v > SIZE - u;
    case WT_WALL_UDT:
        return v > u;
    case WT_WALL_DUB:
        return SIZE - u > v;
    case WT_WALL_UDB:
        return u > v;
    default:
        throw std::runtime_error("Invalid wall type");
    }
}

// Only the corners are tried: a rectangle crossing a diagonal with no
// corner in the solid part does not touch it.
bool E_Wall::intersectHelper(double left, double top, double right, double bottom) const {
    return intersectHelper(left, top) || intersectHelper(right, top) ||
           intersectHelper(left, bottom) || intersectHelper(right, bottom);
}

void E_Wall::draw() {
    glLoadIdentity();
    glTranslatef(static_cast<float>(m_x - m_mapController->viewGetLeft()),
                 static_cast<float>(m_y - m_mapController->viewGetTop()), 0);
    glShadeModel(GL_FLAT);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, m_image->getTexture());
    glBegin(GL_QUADS);
    if (const Quad* quad = quadOf(m_wallType)) {
        for (const Corner& corner : *quad) {
            glTexCoord2f(corner.s, corner.t);
            glVertex2f(corner.x, corner.y);
        }
    }
    glEnd();
}
