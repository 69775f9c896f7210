// The solids the player walks on: an outline in the world plane, extruded
// through the plane z = 0 so that the game's cut at z = 0 gives back that
// outline as collision lines, with flat end faces in front and behind.
#pragma once

#include <optional>
#include <vector>

#include "Mesh.h"

namespace level {

struct OutlineCorner {
    Vec2 at; // world units, y down
    // Material of the edge from this corner to the next; unset means grass on
    // walkable tops and the outline's side material elsewhere.
    std::optional<Material> edge;
};

struct SolidOutline {
    std::vector<OutlineCorner> corners; // either orientation
    Material sides = Material::Rock;
    bool grassOnTop = true;
    double bumpiness = 1.0; // scales the relief away from the cut
};

// Depth of the solids in file units: the end faces, and the two rows that
// straddle z = 0 and are never displaced, so the cut follows the outline.
constexpr double kSolidFront = 16.0;
constexpr double kSolidBack = -48.0;
constexpr double kCutRowOffset = 2.5;

void addExtrudedSolid(Mesh& mesh, const SolidOutline& outline, unsigned seed);

// Ray-crossing test of a world point against an outline (either orientation).
bool outlineContains(const SolidOutline& outline, Vec2 worldPoint);

} // namespace level
