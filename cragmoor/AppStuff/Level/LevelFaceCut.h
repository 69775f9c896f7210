// Where a level face meets the world plane z = 0: that crossing is the
// outline entities collide with.
#pragma once

#include <optional>

#include "Util/Shapes.h"
#include "Util/Vector2.h"
#include "Util/Vector3.h"

// The crossing of the edge from ptA to ptB with z = 0, written to
// destination. An edge parallel to the plane (lying in it included) has none,
// and a crossing counts only within the edge's x and y ranges, ends included.
bool getPoint(const Vector3& ptA, const Vector3& ptB, Vector2* destination);

// The collision line of the face with corners a, b, c (world units), if two
// of its edges cross the plane. It runs so that its front normal points
// away from the face's outside: the line is one-sided and the solid lies
// behind it.
std::optional<Line2> cutFace(const Vector3& a, const Vector3& b, const Vector3& c);
