// The crosshair is looked up on every draw, so the cursor holds no resource
// between frames.
#include "Entities/Characters/E_CursorGame.h"

#include "Entities/WorldAccess.h"
#include "ResourceManager.h"
#include "Resources/Sprite.h"

namespace {

constexpr double HALF_SIZE = 8.0;
// In front of the world, behind only the interface layer.
constexpr int CURSOR_DEPTH = -999;
// The cursor has nothing to lose: any damage ends it.
constexpr int CURSOR_HEALTH = 0;
// On no side, so that nobody counts it as friend or foe.
constexpr int CURSOR_TEAM = -1;

} // namespace

E_CursorGame::E_CursorGame(MapController* mapController)
    : E_AITargetable(mapController, 0, 0, -HALF_SIZE, -HALF_SIZE, HALF_SIZE, HALF_SIZE,
                     EN_CURSOR_GAME, CURSOR_DEPTH, CURSOR_HEALTH, SURFACE_METAL, CURSOR_TEAM) {}

void E_CursorGame::draw() {
    Pointer<Sprite> crosshair;
    applicationOf(m_mapController)->getResourceManager()->getSprite(SP_CursorCrosshair, &crosshair);
    crosshair->draw(static_cast<float>(m_x - m_mapController->viewGetLeft()),
                    static_cast<float>(m_y - m_mapController->viewGetTop()), 1, 1, 0);
}
