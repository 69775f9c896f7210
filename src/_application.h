// Program-wide constants of the view that every drawing and input unit
// shares: the game always works in a 640 x 480 view, whatever the window.
#pragma once

const unsigned int VIEW_WIDTH = 640;
const unsigned int VIEW_HEIGHT = 480;
