// Targetable entities start with their aim point on their centre.
#include "Entities/Characters/E_AITargetable.h"

E_AITargetable::E_AITargetable(MapController* mapController, const Ellipsoid2& position,
                               entityEnum type, double health, surfaceType surfType, int team)
    : E_CollidesProjectiles(mapController, position, type, health, surfType, team),
      m_targetPosition(0, 0) {}
