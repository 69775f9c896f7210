// The shotgun lying in the level: a tilting loose object that drops to the
// ground and then goes to sleep. Nothing picks it up yet, and it draws
// nothing.
#pragma once

#include "Entities/Items/E_PhysicsRotating.h"
#include "Resources/Sprite.h"

class E_Shotgun : public E_PhysicsRotating {
  public:
    E_Shotgun(MapController* mapController, double x, double y, bool isStatic);

    // Once it lies still and flat it leaves the active list for good.
    void gameTick() override;
    void draw() override {}

  private:
    Pointer<Sprite> m_sprite;
};
