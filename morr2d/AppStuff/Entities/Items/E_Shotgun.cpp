// The shotgun's box and its sleep once at rest.
#include "Entities/Items/E_Shotgun.h"

#include "Entities/WorldAccess.h"
#include "ResourceManager.h"

E_Shotgun::E_Shotgun(MapController* mapController, double x, double y, bool isStatic)
    : E_PhysicsRotating(mapController, x, y, -8, -4, 7.9, 3.9, EN_SHOTGUN, 0, isStatic) {
    applicationOf(mapController)->getResourceManager()->getSprite(SP_Ball, &m_sprite);
}

void E_Shotgun::gameTick() {
    E_PhysicsRotating::gameTick();
    if (m_resting)
        setActive(false);
}
