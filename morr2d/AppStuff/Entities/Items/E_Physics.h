// A loose object of the world: a box that falls under gravity, slides,
// bounces back off walls and stops when it lands, in sub-steps of 0.1 units
// against the wall tiles. Subclasses draw it.
#pragma once

#include "Entities/Entity.h"
#include "Entities/Level/NearbyWalls.h"

class E_Physics : public Entity {
  public:
    E_Physics(MapController* mapController, double x, double y, double bboxL, double bboxU,
              double bboxR, double bboxD, entityEnum type, int depth, bool isStatic);

    void gameTick() override;

    bool getStatic() const { return m_static; }
    bool getResting() const { return m_resting; }
    bool getOnGround() const { return m_onGround; }
    double getXSpeed() const { return m_xSpeed; }
    double getYSpeed() const { return m_ySpeed; }
    void setXSpeed(double speed) { m_xSpeed = speed; }
    void setYSpeed(double speed) { m_ySpeed = speed; }

  protected:
    double tickFraction() const;

    // A static object never moves.
    bool m_static;
    // Both speeds ended the last tick at 0, or the object is static.
    bool m_resting;
    // A wall lies 0.1 units below the box.
    bool m_onGround;
    // Velocity in world units per whole tick, y down.
    double m_xSpeed;
    double m_ySpeed;
    bool m_facingRight;

  private:
    bool wallAt(double x, double y) const;

    // The walls this tick's movement can reach.
    NearbyWalls m_nearbyWalls;
};
