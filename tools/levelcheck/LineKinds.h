// The kinds of collision line as the ground movement sees them, told apart by
// the direction of the contact normal an ellipse standing on the line's front
// side would have (the reverse of the line's front normal; degrees grow
// counter-clockwise on screen, 270 points down).
#pragma once

#include "Util/Shapes.h"

enum class LineKind {
    Floor,         // level to within a degree
    WalkableSlope, // contact direction 220 .. 320: walked along and jumped from
    SteepSlope,    // below the centre but too steep: stops a walk, throws a jump off
    Wall,          // upright to within a degree: a contact level with the centre
    Ceiling,       // above the centre: stops a rise, or a walk that would go under it
    Point,         // zero length: no direction at all
};

constexpr int kLineKindCount = 6;

LineKind kindOf(const Line2& line);
const char* nameOf(LineKind kind);
