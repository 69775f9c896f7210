// A new character may be steered, faces where it moves and aims at nothing.
#include "Entities/Characters/E_Character.h"

E_Character::E_Character(MapController* mapController, const Ellipsoid2& position, entityEnum type,
                         double health, surfaceType surfType, int team)
    : E_AITargetable(mapController, position, type, health, surfType, team), m_hasMoveControl(true),
      m_aimType(AIM_MOVE_DIR), m_aimPosition(0, 0) {}
