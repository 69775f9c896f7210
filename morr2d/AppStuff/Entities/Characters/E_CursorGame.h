// The mouse cursor of the game as a box entity of the world: a small
// targetable box that the map state keeps under the mouse and the player
// aims at, drawn as a crosshair in front of the world.
#pragma once

#include "Entities/Characters/E_AITargetable.h"

class E_CursorGame : public E_AITargetable {
  public:
    explicit E_CursorGame(MapController* mapController);

    // The map state moves the cursor; it does nothing by itself.
    void gameTick() override {}
    void draw() override;
};
