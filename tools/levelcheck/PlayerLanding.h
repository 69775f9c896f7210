// Where the player enters a level and where it comes to rest when it falls
// from there: the first thing a level maker must get right.
#pragma once

#include <vector>

#include "Entities/Characters/PlayerPlacement.h"
#include "Util/Shapes.h"
#include "Util/Vector2.h"

// The game's own start point and ellipse: a level is made for them.
inline const Vector2& kPlayerStart = PLAYER_START;
inline const Vector2& kPlayerRadius = PLAYER_RADIUS;

struct PlayerLanding {
    // False when nothing below the start stops the fall.
    bool lands = false;
    // The ellipse's centre where the fall stops (the start when it falls through).
    Vector2 centre = kPlayerStart;
};

// Sweeps the player's ellipse straight down from its start with the game's
// own contact search. The first line hit is where it lands; what the
// movement does next (sliding off a steep slope) is not followed.
PlayerLanding findPlayerLanding(const std::vector<Line2>& lines);
