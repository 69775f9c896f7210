// Health and death of hittable box entities.
#include "Entities/Characters/E_CollidesProjectiles.h"

#include "World/DamageRules.h"

E_CollidesProjectiles::E_CollidesProjectiles(MapController* mapController, double x, double y,
                                             double bboxL, double bboxU, double bboxR, double bboxD,
                                             entityEnum type, int depth, int health,
                                             surfaceType surfType, int team)
    : Entity(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth), m_health(health),
      m_surfaceType(surfType), m_team(team) {}

void E_CollidesProjectiles::takeDamage(int damage, bool gib) {
    if (applyDamage(m_health, damage))
        die(gib);
}

void E_CollidesProjectiles::die(bool /*gib*/) {
    destroy();
}

void E_CollidesProjectiles::setHealth(int health) {
    if (applyHealth(m_health, health))
        die(false);
}
