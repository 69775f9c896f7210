// The player's torso and head. The torso turns about its anchor (the waist)
// and carries the neck and shoulder points, so the head and arm images are
// built around those joints: neck at body pixel (7.1, 1), shoulder at (5, 3).
#include <cmath>

#include "PlayerParts.h"
#include "PlayerRig.h"

namespace {

constexpr float kPi = 3.14159265f;

// The upper half of an ellipse, cut off level at `cutY`: helmet domes.
std::vector<Vec2> dome(Vec2 centre, float rx, float ry, float cutY) {
    std::vector<Vec2> points;
    for (int i = 0; i <= 16; ++i) {
        const float a = kPi + kPi * i / 16.0f;
        points.push_back({centre.x + rx * std::cos(a), centre.y + ry * std::sin(a)});
    }
    points.push_back({centre.x + rx, cutY});
    points.push_back({centre.x - rx, cutY});
    return points;
}

} // namespace

Image drawPlayerBody() {
    Canvas canvas(16, 16);
    canvas.setLayer(0);
    canvas.setBias(-0.15f);
    canvas.fillPolygon({{0.6f, 3.0f}, {3.6f, 1.8f}, {3.8f, 10.5f}, {1.2f, 10.0f}, {0.5f, 8.5f}},
                       Material::Webbing);
    canvas.fillCapsule({1.8f, 4.0f}, {1.8f, 8.6f}, 0.5f, Material::Webbing);
    canvas.setBias(0);
    canvas.setLayer(1);
    canvas.fillEllipse({6.7f, 4.6f}, 3.9f, 4.1f, Material::Cloth);
    canvas.fillPolygon({{3.2f, 5.0f}, {10.0f, 5.0f}, {9.4f, 13.5f}, {3.6f, 13.5f}},
                       Material::Cloth);
    canvas.fillCapsule({4.6f, 1.6f}, {8.8f, 8.8f}, 0.55f, Material::Webbing);
    canvas.fillRect({7.6f, 6.4f}, {10.4f, 9.2f}, Material::Webbing);
    canvas.setLayer(2);
    canvas.fillRect({6.0f, 0.4f}, {9.2f, 1.6f}, Material::Cloth);
    return canvas.render();
}

Image drawPlayerHead() {
    Canvas canvas(16, 16);
    canvas.setLayer(0);
    canvas.setBias(-0.3f);
    canvas.fillCapsule({4.0f, 6.4f}, {4.2f, 8.4f}, 1.5f, Material::Skin);
    canvas.setBias(0);
    canvas.setLayer(1);
    canvas.fillEllipse({4.9f, 4.4f}, 3.4f, 3.2f, Material::Skin);
    canvas.fillPolygon({{3.2f, 6.0f}, {8.0f, 5.0f}, {7.8f, 7.2f}, {5.8f, 8.2f}, {3.6f, 7.8f}},
                       Material::Skin);
    canvas.fillCircle({8.6f, 4.9f}, 0.9f, Material::Skin);
    canvas.setBias(-0.45f);
    canvas.fillCircle({3.4f, 5.3f}, 0.9f, Material::Skin);
    canvas.setBias(0);
    canvas.fillRect({7.0f, 4.6f}, {8.0f, 5.6f}, Material::Ink);
    canvas.fillCapsule({2.6f, 4.6f}, {4.6f, 7.6f}, 0.45f, Material::Webbing);
    canvas.setLayer(2);
    canvas.fillPolygon(dome({4.4f, 4.0f}, 4.3f, 3.2f, 4.0f), Material::Webbing);
    canvas.fillCapsule({0.8f, 4.0f}, {9.3f, 3.8f}, 0.75f, Material::Webbing);
    return canvas.render();
}
