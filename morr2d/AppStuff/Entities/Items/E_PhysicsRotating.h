// A loose object that tilts while it moves sideways and, once it stops,
// turns to lie flat (0 or 180 degrees) before it counts as resting.
#pragma once

#include "Entities/Items/E_Physics.h"

class E_PhysicsRotating : public E_Physics {
  public:
    E_PhysicsRotating(MapController* mapController, double x, double y, double bboxL, double bboxU,
                      double bboxR, double bboxD, entityEnum type, int depth, bool isStatic)
        : E_Physics(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth, isStatic),
          m_rotationSpeed(0), m_rotation(0) {}

    void gameTick() override;

    double getRotation() const { return m_rotation; }
    void setRotation(double rotation) { m_rotation = rotation; }
    void setRotationSpeed(double speed) { m_rotationSpeed = speed; }

  protected:
    // Degrees per whole tick of tilt while moving; 0 gives a fixed tilt.
    double m_rotationSpeed;
    // Degrees.
    double m_rotation;
};
