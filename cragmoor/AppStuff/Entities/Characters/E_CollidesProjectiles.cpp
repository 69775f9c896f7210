// Health and death of hittable entities.
#include "Entities/Characters/E_CollidesProjectiles.h"

#include "World/DamageRules.h"

E_CollidesProjectiles::E_CollidesProjectiles(MapController* mapController,
                                             const Ellipsoid2& position, entityEnum type,
                                             double health, surfaceType surfType, int team)
    : Entity(mapController, position, type), m_health(health), m_surfaceType(surfType),
      m_team(team) {}

void E_CollidesProjectiles::takeDamage(int damage, bool gib) {
    if (applyDamage(m_health, damage))
        die(gib);
}

void E_CollidesProjectiles::die(bool /*gib*/) {
    destroy();
}

void E_CollidesProjectiles::setHealth(double health) {
    if (applyHealth(m_health, health))
        die(false);
}
