// A rounded blue paddle, a polished steel ball and the "VEX" logo in gold
// strokes over a steel underline.
#include "Extras.h"
#include "Canvas.h"

Image drawPaddle() {
    Canvas canvas(16, 32);
    canvas.fillCapsule({8, 4.5f}, {8, 27.5f}, 3.6f, Material::PaddleBlue);
    canvas.setLayer(1);
    canvas.fillRect({6.6f, 13.5f}, {9.4f, 18.5f}, Material::Steel);
    return canvas.render();
}

Image drawBall() {
    Canvas canvas(16, 16);
    canvas.fillCircle({8, 8}, 6.4f, Material::Steel);
    return canvas.render();
}

Image drawLogo() {
    constexpr float kStroke = 4.6f;
    Canvas canvas(128, 64);
    canvas.fillCapsule({8, 59}, {120, 59}, 1.6f, Material::Steel);
    canvas.setLayer(1);
    canvas.fillCapsule({12, 10}, {26, 50}, kStroke, Material::Gold);
    canvas.fillCapsule({26, 50}, {40, 10}, kStroke, Material::Gold);
    canvas.fillCapsule({52, 10}, {52, 50}, kStroke, Material::Gold);
    canvas.fillCapsule({52, 10}, {74, 10}, kStroke, Material::Gold);
    canvas.fillCapsule({52, 30}, {70, 30}, kStroke, Material::Gold);
    canvas.fillCapsule({52, 50}, {74, 50}, kStroke, Material::Gold);
    canvas.fillCapsule({86, 10}, {114, 50}, kStroke, Material::Gold);
    canvas.fillCapsule({114, 10}, {86, 50}, kStroke, Material::Gold);
    return canvas.render();
}
