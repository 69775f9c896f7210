// The base of projectiles; it adds nothing yet to the entity.
#pragma once

#include "Entities/Entity.h"

class E_Projectile : public Entity {
  public:
    E_Projectile(MapController* mapController, const Ellipsoid2& position, entityEnum type)
        : Entity(mapController, position, type) {}
};
