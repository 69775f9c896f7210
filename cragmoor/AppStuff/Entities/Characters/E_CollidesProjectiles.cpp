// Health and death of hittable entities.
#include "Entities/Characters/E_CollidesProjectiles.h"

E_CollidesProjectiles::E_CollidesProjectiles(MapController* mapController,
                                             const Ellipsoid2& position, entityEnum type,
                                             double health, surfaceType surfType, int team)
    : Entity(mapController, position, type), m_health(health), m_surfaceType(surfType),
      m_team(team) {}

void E_CollidesProjectiles::takeDamage(int damage, bool gib) {
    m_health -= static_cast<double>(damage);
    if (m_health <= 0) {
        m_health = 0;
        die(gib);
    }
}

void E_CollidesProjectiles::die(bool /*gib*/) {
    destroy();
}

void E_CollidesProjectiles::setHealth(double health) {
    m_health = health;
    if (m_health <= 0) {
        m_health = 0;
        die(false);
    }
}
