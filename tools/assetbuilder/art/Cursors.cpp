// The two mouse cursors: a light fill inside a dark outline, so that they
// stay visible over the dark sky and over pale walls alike.
#include "Cursors.h"
#include "Canvas.h"

Image drawCursorArrow() {
    // The tip is the anchor (1, 2): the first filled pixel's top-left corner.
    Canvas canvas(16, 32);
    canvas.fillPolygon({{1.0f, 1.2f},
                        {1.0f, 18.6f},
                        {5.0f, 14.8f},
                        {8.0f, 21.4f},
                        {10.4f, 20.4f},
                        {7.6f, 14.0f},
                        {12.8f, 14.0f}},
                       Material::CursorFill);
    return canvas.render();
}

Image drawCursorCrosshair() {
    // Symmetric about the anchor (8, 8), the corner shared by the four
    // middle pixels: a ring, four ticks and a red dot.
    Canvas canvas(16, 16);
    const Vec2 centre{8, 8};
    canvas.fillCircle(centre, 5.6f, Material::CursorFill);
    canvas.clearCircle(centre, 3.9f);
    canvas.fillRect({7, 1}, {9, 5}, Material::CursorFill);
    canvas.fillRect({7, 11}, {9, 15}, Material::CursorFill);
    canvas.fillRect({1, 7}, {5, 9}, Material::CursorFill);
    canvas.fillRect({11, 7}, {15, 9}, Material::CursorFill);
    canvas.setLayer(1);
    canvas.fillRect({7, 7}, {9, 9}, Material::CursorAccent);
    return canvas.render();
}
