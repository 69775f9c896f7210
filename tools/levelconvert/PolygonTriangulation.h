// Triangles that cover a polygon of an export exactly, each wound as the
// polygon is, so that the game culls and cuts them as the maker meant.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ExportScene.h"

using CornerTriangle = std::array<std::uint32_t, 3>;

// The polygon's normal by Newell's method: its length is twice the area, its
// direction the one the winding faces (counter-clockwise seen from its tip).
Point3 polygonNormal(const std::vector<Point3>& corners);

// Appends triangles of corner indices (0 .. corners.size() - 1) that cover
// the polygon without overlap. Returns false when the polygon is not simple
// (it crosses itself): it is still filled, but the triangles may then
// leave its outline.
bool triangulatePolygon(const std::vector<Point3>& corners, std::vector<CornerTriangle>& out);
