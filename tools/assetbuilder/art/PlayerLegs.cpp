// The player's legs, posed procedurally: each frame places the ankles on a
// walk cycle (stance foot sliding back along the ground, swing foot lifting in
// an arc) and bends the knees forward with two-bone inverse kinematics. The
// far leg is drawn first and darker, the belt and hips between the legs.
#include <algorithm>
#include <cmath>

#include "PlayerParts.h"
#include "PlayerRig.h"

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kThigh = 7.0f;
constexpr float kShin = 6.9f;
constexpr float kAnkleAboveSole = 1.6f;
// The last filled row ends one unit above the ground: the outline below it
// is the figure's lowest row.
constexpr float kSoleY = rig::kGroundY - 1;
constexpr float kKneeRadius = 2.3f;
constexpr int kLegsWidth = 32;
constexpr int kWalkLegsHeight = 32;
constexpr int kCrouchLegsHeight = 16;

struct Foot {
    Vec2 ankle;    // relative to the hip
    float toeDown; // degrees the toe points below level
};

struct LegPose {
    Foot nearFoot;
    Foot farFoot;
};

// Two-bone inverse kinematics, knee forward. In a deep crouch a knee would
// sink into the ground (back leg) or rise over the belt (front leg); it is
// held between the two instead, which reads as the leg turning slightly
// towards the viewer.
Vec2 kneeFor(Vec2 hip, Vec2& ankle, float lowestKneeY) {
    Vec2 d = ankle - hip;
    float distance = std::sqrt(d.x * d.x + d.y * d.y);
    const float reach = kThigh + kShin - 0.05f;
    if (distance > reach) {
        d = d * (reach / distance);
        ankle = hip + d;
        distance = reach;
    }
    const Vec2 dir = d * (1.0f / distance);
    const float along = (kThigh * kThigh - kShin * kShin + distance * distance) / (2 * distance);
    const float out = std::sqrt(std::max(0.0f, kThigh * kThigh - along * along));
    Vec2 forward{-dir.y, dir.x};
    if (forward.x < 0) {
        forward = forward * -1.0f;
    }
    Vec2 knee = hip + dir * along + forward * out;
    knee.y = std::clamp(knee.y, hip.y - 0.3f, lowestKneeY);
    return knee;
}

void drawBoot(Canvas& canvas, Vec2 ankle, float toeDown) {
    canvas.setTransform(ankle, -toeDown);
    canvas.fillPolygon({{-1.9f, -1.6f}, {1.2f, -1.4f}, {4.4f, 0.2f}, {4.4f, 1.6f}, {-1.9f, 1.6f}},
                       Material::Boot);
    canvas.resetTransform();
}

void drawLeg(Canvas& canvas, Vec2 hip, float groundY, Foot foot, int layer, float bias) {
    canvas.setLayer(layer);
    canvas.setBias(bias);
    Vec2 ankle = hip + foot.ankle;
    const Vec2 knee = kneeFor(hip, ankle, groundY - kKneeRadius);
    canvas.fillCapsule(hip, knee, kKneeRadius, Material::Cloth);
    canvas.fillCapsule(knee, ankle, 2.0f, Material::Cloth);
    canvas.fillCapsule(knee + (ankle - knee) * 0.55f, ankle, 2.1f, Material::Boot);
    drawBoot(canvas, ankle, foot.toeDown);
    canvas.setBias(0);
}

void drawHips(Canvas& canvas, Vec2 hip) {
    canvas.setLayer(1);
    canvas.fillEllipse(hip + Vec2{0, -0.6f}, 3.4f, 2.6f, Material::Cloth);
    canvas.fillRect(hip + Vec2{-3.6f, -3.2f}, hip + Vec2{3.6f, -1.6f}, Material::Webbing);
    canvas.fillRect(hip + Vec2{2.0f, -3.2f}, hip + Vec2{3.0f, -1.6f}, Material::Gunmetal);
}

Image drawLegs(int height, int anchorX, float legsTop, float pivotY, LegPose pose) {
    Canvas canvas(kLegsWidth, height);
    const Vec2 hip{rig::legImageX(rig::kHipX, anchorX), pivotY + rig::kHipBelowPivot - legsTop};
    const float groundY = kSoleY - legsTop;
    drawLeg(canvas, hip, groundY, pose.farFoot, 0, -0.3f);
    drawHips(canvas, hip);
    drawLeg(canvas, hip, groundY, pose.nearFoot, 2, 0);
    return canvas.render();
}

// How far below the hip the ankle is when the sole stands on the ground.
float soleToAnkle(float pivotY) {
    return (kSoleY - kAnkleAboveSole) - (pivotY + rig::kHipBelowPivot);
}

// One foot's place in a cycle of `stride` (half the step length) and `lift`:
// phase 0 to 0.5 planted and sliding back, 0.5 to 1 swinging forward.
Foot footInCycle(float phase, float stride, float lift, float groundDrop) {
    phase -= std::floor(phase);
    if (phase < 0.5f) {
        const float u = phase / 0.5f;
        return Foot{{stride - 2 * stride * u, groundDrop}, 0};
    }
    const float u = (phase - 0.5f) / 0.5f;
    const float eased = u * u * (3 - 2 * u);
    const float arc = std::sin(kPi * u);
    return Foot{{-stride + 2 * stride * eased, groundDrop - lift * arc},
                30.0f * arc * (1 - u) + 8.0f * arc};
}

constexpr float kWalkPivotY = rig::kBodyPivot.y;
constexpr float kCrouchPivotY = rig::kBodyPivot.y + rig::kCrouchDrop;

} // namespace

Image drawLegsStanding() {
    const float drop = soleToAnkle(kWalkPivotY);
    return drawLegs(kWalkLegsHeight, rig::kStandAnchorX, rig::kWalkLegsTop, kWalkPivotY,
                    {{{3.0f, drop}, 0}, {{-3.0f, drop}, 0}});
}

Image drawLegsJumping() {
    const float drop = soleToAnkle(kWalkPivotY);
    return drawLegs(kWalkLegsHeight, rig::kJumpAnchorX, rig::kWalkLegsTop, kWalkPivotY,
                    {{{3.5f, drop - 5.0f}, 25}, {{-3.5f, drop - 3.0f}, 35}});
}

Image drawLegsWalking(int frame) {
    const float drop = soleToAnkle(kWalkPivotY);
    // Frame 2 is the passing pose, where the planted foot is under the hip.
    const float phase = (frame - 2) / static_cast<float>(rig::kWalkFrames) + 0.25f;
    const LegPose pose{footInCycle(phase, 4.5f, 3.0f, drop),
                       footInCycle(phase + 0.5f, 4.5f, 3.0f, drop)};
    return drawLegs(kWalkLegsHeight, rig::kWalkAnchorX[frame], rig::kWalkLegsTop, kWalkPivotY,
                    pose);
}

Image drawLegsCrouching(int frame) {
    const float drop = soleToAnkle(kCrouchPivotY);
    const float phase = frame / static_cast<float>(rig::kCrouchFrames);
    const LegPose pose{footInCycle(phase, 4.5f, 2.0f, drop),
                       footInCycle(phase + 0.5f, 4.5f, 2.0f, drop)};
    return drawLegs(kCrouchLegsHeight, rig::kCrouchAnchorX[frame], rig::kCrouchLegsTop,
                    kCrouchPivotY, pose);
}
