// Where the eye of cragmoor's perspective view stands, and so which depths
// of the level the view draws at all: the map places the eye by it, and the
// level checker names faces that reach beyond those depths.
#pragma once

#include "_application.h"

// Where the eye sits behind the world plane z = 0 in the 3-D projection.
const float EYE_DISTANCE = 1300.0f;
// World z of the near and far planes: anything nearer or farther is clipped.
const double NEAREST_DRAWN_Z = EYE_DISTANCE - FRUSTUM_NEAR;
const double FARTHEST_DRAWN_Z = EYE_DISTANCE - FRUSTUM_FAR;
