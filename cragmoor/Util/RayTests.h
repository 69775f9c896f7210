// The two ray tests that contact finding is built from. Both answer a ray
// parameter in units of the ray direction's length, and -1.0 for "no hit";
// callers only accept parameters inside their own window, which excludes -1.
#pragma once

#include "Vector2.h"

// Where the ray meets the line through planeOrigin with normal planeNormal;
// negative when that line lies behind the ray origin, -1.0 when parallel.
double rayTracePlane2(const Vector2& rayOrigin, const Vector2& rayDirection,
                      const Vector2& planeOrigin, const Vector2& planeNormal);

// The nearer crossing of the ray's line with the unit circle around
// circleOrigin, for a unit-length rayDirection; -1.0 when the line misses. The
// result is negative when the origin lies inside the circle or the circle lies
// behind the origin.
double rayTraceUnitCircle2(const Vector2& rayOrigin, const Vector2& rayDirection,
                           const Vector2& circleOrigin);
