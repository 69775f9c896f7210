// The map's placeholder entity: registered, never active, draws nothing.
// It stands where an entity handle must name something.
#pragma once

#include "Entities/Entity.h"

class E_NONE : public Entity {
  public:
    explicit E_NONE(MapController* mapController);
    void gameTick() override {}
    void draw() override {}
};
