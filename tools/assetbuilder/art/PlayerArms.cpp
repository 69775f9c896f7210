// The player's arms with their weapons: fist, chainsaw, pistol and shotgun.
// Each image is drawn pointing right (the game turns it towards the aim) in a
// frame whose origin is the shoulder, which is the image's anchor. The fist,
// chainsaw and shotgun images are anchored at their top-left corner, so their
// shoulder sits just inside it; the pistol frames kick upwards, which is why
// their anchors move down the image from frame to frame.
#include "Canvas.h"
#include "PlayerParts.h"

namespace {

struct ArmPose {
    Vec2 elbow;
    Vec2 hand;
};

void drawArm(Canvas& canvas, Vec2 shoulder, ArmPose pose, float bias) {
    canvas.setLayer(1);
    canvas.setBias(bias);
    canvas.fillCapsule(pose.elbow, pose.hand, 1.6f, Material::Cloth);
    canvas.fillCapsule(shoulder, pose.elbow, 1.9f, Material::Cloth);
    canvas.fillCircle(shoulder, 2.2f, Material::Cloth);
    canvas.setBias(0);
}

void drawHand(Canvas& canvas, Vec2 at, float radius, float bias = 0, int layer = 3) {
    canvas.setLayer(layer);
    canvas.setBias(bias);
    canvas.fillCircle(at, radius, Material::Skin);
    canvas.setBias(0);
}

// `size` 1 is a shotgun's blast, about seven units long.
void drawMuzzleFlash(Canvas& canvas, Vec2 muzzle, float size) {
    auto at = [&](float x, float y) { return muzzle + Vec2{x * size, y * size}; };
    canvas.setLayer(4);
    canvas.setBias(-0.7f);
    canvas.fillPolygon({at(0, -1.4f), at(2.4f, -2.6f), at(3.0f, -0.9f), at(7.2f, 0), at(3.0f, 0.9f),
                        at(2.4f, 2.6f), at(0, 1.4f)},
                       Material::Flash);
    canvas.setBias(0.2f);
    canvas.fillEllipse(at(2.2f, 0), 2.2f * size, 1.1f * size, Material::Flash);
    canvas.setBias(0.6f);
    canvas.fillEllipse(at(1.3f, 0), 1.2f * size, 0.6f * size, Material::Flash);
    canvas.setBias(0);
}

// Pistol frames: idle, firing, recoil, settling.
struct PistolFrame {
    Vec2 anchor;
    float kick;  // degrees the arm is thrown up
    float slide; // how far the slide is driven back
    bool flash;
};
constexpr PistolFrame kPistolFrames[4] = {{{2, 2}, 0, 0, false},
                                          {{2, 3}, 5, 0.5f, true},
                                          {{2, 5}, 12, 1.5f, false},
                                          {{2, 4}, 8, 0.5f, false}};

// Shotgun frames: idle, firing, pump pulled back, pump half-way with the shell
// flying out, pump back and the shell higher, shouldered again.
struct ShotgunFrame {
    float recoil;
    float pump;
    bool flash;
    bool shell;
    Vec2 shellAt;
};
constexpr ShotgunFrame kShotgunFrames[6] = {{0, 0, false, false, {}},
                                            {1.2f, 0, true, false, {}},
                                            {0.6f, 3.0f, false, false, {}},
                                            {0.3f, 1.8f, false, true, {11.5f, 1.6f}},
                                            {0.3f, 3.0f, false, true, {9.5f, 0.9f}},
                                            {0, 0.8f, false, false, {}}};

} // namespace

Image drawArmPistol(int frame) {
    const PistolFrame& f = kPistolFrames[frame];
    Canvas canvas(32, 16);
    canvas.setTransform(f.anchor, f.kick);
    drawArm(canvas, {0.5f, 1.5f}, {{5.0f, 1.8f}, {9.5f, 1.6f}}, 0);
    canvas.setLayer(2);
    canvas.fillRect({9.0f - f.slide, -0.8f}, {16.5f - f.slide, 1.0f}, Material::Gunmetal);
    canvas.fillRect({14.0f, -0.2f}, {16.6f, 0.8f}, Material::Gunmetal);
    canvas.setBias(-0.25f);
    canvas.fillPolygon({{9.4f, 0.8f}, {11.8f, 0.8f}, {11.3f, 4.6f}, {9.2f, 4.6f}},
                       Material::Gunmetal);
    canvas.setBias(0);
    drawHand(canvas, {10.6f, 1.8f}, 1.6f);
    if (f.flash) {
        drawMuzzleFlash(canvas, {16.8f, 0.1f}, 0.8f);
    }
    return canvas.render();
}

Image drawArmShotgun(int frame) {
    const ShotgunFrame& f = kShotgunFrames[frame];
    Canvas canvas(32, 16);
    canvas.setTransform({-f.recoil, 0}, f.recoil * 2.5f);
    canvas.setLayer(0);
    canvas.fillPolygon({{0.6f, 3.4f},
                        {6.0f, 3.2f},
                        {8.2f, 3.8f},
                        {8.2f, 5.6f},
                        {6.2f, 5.6f},
                        {1.4f, 6.8f},
                        {0.6f, 6.6f}},
                       Material::Wood);
    drawArm(canvas, {2.0f, 2.4f}, {{4.8f, 5.2f}, {8.8f, 4.8f}}, 0);
    canvas.setLayer(2);
    canvas.fillRect({7.6f, 2.8f}, {12.6f, 5.2f}, Material::Gunmetal);
    canvas.fillCapsule({12.0f, 3.4f}, {24.0f, 3.4f}, 0.8f, Material::Gunmetal);
    canvas.setBias(-0.2f);
    canvas.fillCapsule({12.0f, 4.9f}, {22.0f, 4.9f}, 0.7f, Material::Gunmetal);
    canvas.setBias(0);
    canvas.setLayer(3);
    canvas.setBias(-0.35f);
    canvas.fillCapsule({14.5f - f.pump, 9.5f}, {17.6f - f.pump, 6.6f}, 1.4f, Material::Cloth);
    canvas.setBias(0);
    canvas.setLayer(4);
    canvas.fillRect({15.4f - f.pump, 4.2f}, {20.6f - f.pump, 6.2f}, Material::Wood);
    drawHand(canvas, {9.4f, 5.0f}, 1.5f);
    drawHand(canvas, {18.0f - f.pump, 6.4f}, 1.4f, 0, 5);
    if (f.flash) {
        drawMuzzleFlash(canvas, {24.8f, 3.4f}, 1.0f);
    }
    if (f.shell) {
        canvas.setLayer(6);
        canvas.fillRect(f.shellAt, f.shellAt + Vec2{2.2f, 1.2f}, Material::CursorAccent);
    }
    return canvas.render();
}

Image drawArmFist(int frame) {
    static const ArmPose kPunch[3] = {
        {{4.4f, 6.2f}, {7.6f, 3.4f}}, {{5.8f, 4.6f}, {9.8f, 3.0f}}, {{6.4f, 3.0f}, {11.6f, 2.8f}}};
    Canvas canvas(16, 16);
    drawArm(canvas, {1.9f, 2.3f}, kPunch[frame], 0);
    drawHand(canvas, kPunch[frame].hand + Vec2{0.6f, 0}, 2.0f);
    return canvas.render();
}

Image drawArmFistBack() {
    Canvas canvas(16, 16);
    const ArmPose relaxed{{3.6f, 6.6f}, {7.2f, 6.2f}};
    drawArm(canvas, {1.9f, 2.3f}, relaxed, -0.3f);
    drawHand(canvas, relaxed.hand + Vec2{0.6f, 0}, 1.9f, -0.3f);
    return canvas.render();
}

Image drawArmChainsaw(int frame) {
    constexpr float kToothSpacing = 5;
    Canvas canvas(32, 16);
    const float shake = (frame % 2 == 0) ? 0.0f : 0.5f;
    canvas.setTransform({0, shake}, 0);
    drawArm(canvas, {2.0f, 2.4f}, {{4.8f, 5.2f}, {8.8f, 4.8f}}, 0);
    canvas.setLayer(2);
    canvas.fillCapsule({15.0f, 5.0f}, {28.0f, 5.0f}, 1.7f, Material::Steel);
    for (float x = 15.0f + frame; x < 29.0f; x += kToothSpacing) {
        canvas.fillRect({x, 3.0f}, {x + 1, 4.0f}, Material::Ink);
    }
    for (float x = 28.0f - frame; x > 15.0f; x -= kToothSpacing) {
        canvas.fillRect({x, 6.0f}, {x + 1, 7.0f}, Material::Ink);
    }
    canvas.setLayer(3);
    canvas.fillPolygon(
        {{7.0f, 2.2f}, {14.6f, 2.2f}, {16.0f, 4.0f}, {15.2f, 8.2f}, {7.6f, 8.2f}, {6.6f, 5.2f}},
        Material::Orange);
    canvas.fillCapsule({8.4f, 1.0f}, {13.2f, 1.0f}, 0.8f, Material::Gunmetal);
    canvas.setBias(-0.3f);
    canvas.fillRect({11.0f, 4.2f}, {14.2f, 6.8f}, Material::Gunmetal);
    canvas.setBias(0);
    drawHand(canvas, {9.2f, 4.8f}, 1.6f, 0, 4);
    return canvas.render();
}
