// Program-wide constants of the view that every drawing and input unit
// shares: the game always works in a 640 x 480 view, whatever the window.
#pragma once

const unsigned int VIEW_WIDTH = 640;
const unsigned int VIEW_HEIGHT = 480;
// The perspective projection's near and far planes; the near plane spans
// the view's width and height.
const double FRUSTUM_NEAR = 400.0;
const double FRUSTUM_FAR = 3000.0;
