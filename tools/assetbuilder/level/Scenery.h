// What gives the level depth without touching play: a cliff face far
// behind the solids with canyon walls at both ends, and boulders in front of
// the ground. None of it crosses z = 0, so none of it becomes a collision line.
#pragma once

#include "LevelLayout.h"
#include "Mesh.h"

namespace level {

// Depth of the backdrop cliff in file units (world -800), well inside the
// far end of the view (world -1700).
constexpr double kBackdropDepth = -100.0;

void addBackdrop(Mesh& mesh);
void addForegroundRocks(Mesh& mesh, const LevelLayout& layout);

} // namespace level
