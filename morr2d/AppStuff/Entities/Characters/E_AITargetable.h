// An entity others can aim at: the point to aim at, as an offset from its
// reference point.
#pragma once

#include "Entities/Characters/E_CollidesProjectiles.h"

class E_AITargetable : public E_CollidesProjectiles {
  public:
    E_AITargetable(MapController* mapController, double x, double y, double bboxL, double bboxU,
                   double bboxR, double bboxD, entityEnum type, int depth, int health,
                   surfaceType surfType, int team)
        : E_CollidesProjectiles(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth,
                                health, surfType, team),
          m_targetPositionX(0), m_targetPositionY(0) {}

    double getTargetPositionX() const { return m_targetPositionX; }
    double getTargetPositionY() const { return m_targetPositionY; }

  protected:
    double m_targetPositionX;
    double m_targetPositionY;
};
