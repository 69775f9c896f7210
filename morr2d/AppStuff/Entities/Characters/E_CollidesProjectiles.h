// An entity that can be hit: it has whole-number health, a team and the
// material it shows when hit, and it dies when its health runs out.
#pragma once

#include "Entities/Entity.h"

class E_CollidesProjectiles : public Entity {
  public:
    E_CollidesProjectiles(MapController* mapController, double x, double y, double bboxL,
                          double bboxU, double bboxR, double bboxD, entityEnum type, int depth,
                          int health, surfaceType surfType, int team);

    // A negative damage heals. At 0 health or below the entity dies, which
    // ends it: nothing may touch it after a fatal call.
    virtual void takeDamage(int damage, bool gib);
    // Ends the entity; `gib` is for damage sources that tell a violent
    // death apart, which nothing shows yet.
    virtual void die(bool gib);

    int getHealth() const { return m_health; }
    // Like takeDamage, health at or below 0 kills.
    void setHealth(int health);
    surfaceType getSurfaceType() const { return m_surfaceType; }
    void setSurfaceType(surfaceType type) { m_surfaceType = type; }
    int getTeam() const { return m_team; }
    void setTeam(int team) { m_team = team; }

  protected:
    int m_health;
    surfaceType m_surfaceType;
    int m_team;
};
