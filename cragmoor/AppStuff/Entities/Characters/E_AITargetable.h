// An entity others can aim at: it names the point on itself to aim at.
#pragma once

#include "Entities/Characters/E_CollidesProjectiles.h"

class E_AITargetable : public E_CollidesProjectiles {
  public:
    E_AITargetable(MapController* mapController, const Ellipsoid2& position, entityEnum type,
                   double health, surfaceType surfType, int team);

    // The aim point as an offset from the centre of the entity's ellipse
    // (both coordinates, despite the name).
    const Vector2& getTargetPositionX() const { return m_targetPosition; }

  protected:
    Vector2 m_targetPosition;
};
