// Where the player enters every level and the ellipse it moves as. The level
// tools place their probe from here too, so a level is checked against the
// player the game really makes.
#pragma once

#include "Util/Vector2.h"

// Above the floor of the first run; the player falls from here.
inline const Vector2 PLAYER_START(400, 0);
inline const Vector2 PLAYER_RADIUS(16, 32);
