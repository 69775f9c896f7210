// The base of projectiles; it adds nothing yet to the box entity.
#pragma once

#include "Entities/Entity.h"

class E_Projectile : public Entity {
  public:
    E_Projectile(MapController* mapController, double x, double y, double bboxL, double bboxU,
                 double bboxR, double bboxD, entityEnum type, int depth)
        : Entity(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth) {}
};
