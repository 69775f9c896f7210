// The level's design: the solid outlines of everything the player touches,
// in world units (x right, y down), as the game's collision lines will see
// them. The player starts at (400, 0) and falls onto the first floor.
#pragma once

#include <vector>

#include "Extrusion.h"

namespace level {

struct LevelLayout {
    SolidOutline ground;               // one outline from the left end wall to the right
    std::vector<SolidOutline> islands; // free-standing solids: ledges, rock masses
};

LevelLayout designLevel();

// The top of the ground at x: the first ground edge met going down from
// y = 0 (inside the end walls this is the floor the player walks on).
double groundTopAt(const SolidOutline& ground, double x);

} // namespace level
