// The crosshair is looked up on every draw, so the cursor holds no resource
// between frames.
#include "Entities/Characters/E_CursorGame.h"

#include "Entities/Characters/WorldAccess.h"
#include "ResourceManager.h"
#include "Resources/Sprite.h"

namespace {

const Vector2 CURSOR_RADIUS(8, 8);
// The cursor has nothing to lose: any damage ends it.
constexpr double CURSOR_HEALTH = 0.0;
// On no side, so that nobody counts it as friend or foe.
constexpr int CURSOR_TEAM = -1;

} // namespace

E_CursorGame::E_CursorGame(MapController* mapController)
    : E_AITargetable(mapController, Ellipsoid2(Vector2(0, 0), CURSOR_RADIUS), EN_CURSOR_GAME,
                     CURSOR_HEALTH, SURFACE_METAL, CURSOR_TEAM) {}

// Drawn in the flat projection at the screen point under which the map
// state placed it.
void E_CursorGame::draw() {
    Pointer<Sprite> crosshair;
    applicationOf(m_mapController)->getResourceManager()->getSprite(SP_CursorCrosshair, &crosshair);
    const Vector2 screen = m_position.m_center - m_mapController->viewGetTopLeft();
    m_mapController->set2Dmode();
    crosshair->draw(static_cast<float>(screen.m_x), static_cast<float>(screen.m_y), 1, 1, 0, 1, 1,
                    1, 1);
}
