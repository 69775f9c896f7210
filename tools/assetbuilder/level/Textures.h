// The level's pictures, painted from noise: tileable material images for
// the mesh and the sky drawn behind it.
#pragma once

#include "Picture.h"

namespace level {

constexpr int kMaterialSize = 128;

Picture paintRock();     // layered rock with strata and cracks: end faces, boulders
Picture paintGrass();    // turf over earth: walkable tops
Picture paintBrick();    // dressed stone blocks: end walls, the great wall, platforms
Picture paintBackdrop(); // dark, cool rock for the cliff far behind
Picture paintSky();      // dusk over distant mountains, 512 x 256

} // namespace level
