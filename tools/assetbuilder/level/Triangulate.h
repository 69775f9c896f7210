// Triangles that fill a simple polygon, for the flat end faces of the
// extruded level solids.
#pragma once

#include <array>
#include <vector>

#include "LevelMath.h"

namespace level {

// Ear clipping of a simple polygon given counter-clockwise (positive area,
// y up). Returns counter-clockwise index triples into `polygon`.
std::vector<std::array<int, 3>> triangulatePolygon(const std::vector<Vec2>& polygon);

double signedArea(const std::vector<Vec2>& polygon);

} // namespace level
