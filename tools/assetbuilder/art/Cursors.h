// Generators of the cursor images.
#pragma once

#include "Image.h"

Image drawCursorArrow();     // anchor (1, 2): the arrow's tip
Image drawCursorCrosshair(); // anchor (8, 8): the crosshair's centre
