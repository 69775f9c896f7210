// Generators of the catalogue's images outside the player and the cursors:
// the bat-and-ball pieces and the studio logo.
#pragma once

#include "Image.h"

Image drawPaddle(); // anchor (8, 16): the paddle's centre
Image drawBall();   // anchor (8, 8): the ball's centre
Image drawLogo();   // anchor (0, 0)
