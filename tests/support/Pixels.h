// Reading the frame back from the back buffer, in window coordinates with
// y downwards like the game's view.
#pragma once

#include <GL/gl.h>
#include <array>

using Rgb = std::array<int, 3>;

inline Rgb pixelAt(int x, int yFromTop, int windowHeight) {
    GLubyte rgba[4] = {0, 0, 0, 0};
    glReadPixels(x, windowHeight - 1 - yFromTop, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return {rgba[0], rgba[1], rgba[2]};
}
