// Aiming and joint rules of the player in both worlds.
#include "World/PlayerPose.h"

#include <cmath>

#include "Util/MathConstants.h"

namespace {

constexpr double BODY_FOLLOW = 0.25;
constexpr double HEAD_FOLLOW = 0.4;
constexpr double AIM_DOWN_FROM = 260.0;
constexpr double AIM_DOWN_RIGHT = 271.0;
constexpr double AIM_DOWN_LEFT = 269.0;
constexpr double HALF_TURN = 180.0;
constexpr double FULL_TURN = 360.0;
constexpr double STRAIGHT_DOWN = 270.0;

// Shoulder and neck lie on the leaning body at these distances and angles
// (from the body's axis) from the hip point.
constexpr double SHOULDER_DISTANCE = 7.07;
constexpr double SHOULDER_ANGLE = 98.0;
constexpr double NECK_DISTANCE = 9.06;
constexpr double NECK_ANGLE = 83.0;

// A vector of `length` at `degrees`, y down, with the five-decimal pi both
// worlds convert angles with.
double xAlong(double degrees, double length) {
    return std::cos(degrees * MATH_PI / 180.0) * length;
}
double yAlong(double degrees, double length) {
    return std::sin(-(degrees * MATH_PI / 180.0)) * length;
}

} // namespace

double bodyLeanToward(double aim, bool facingRight) {
    double lean = aim;
    if (lean > STRAIGHT_DOWN)
        lean -= FULL_TURN;
    if (!facingRight)
        lean -= HALF_TURN;
    lean *= BODY_FOLLOW;
    if (!facingRight)
        lean += HALF_TURN;
    return lean;
}

double headFollowing(double aim, bool facingRight) {
    double k = aim;
    if (facingRight) {
        if (k > AIM_DOWN_FROM && k < AIM_DOWN_RIGHT)
            k = AIM_DOWN_RIGHT;
        if (k > STRAIGHT_DOWN)
            k -= FULL_TURN;
        return k * HEAD_FOLLOW;
    }
    if (k > AIM_DOWN_LEFT)
        k = AIM_DOWN_LEFT;
    k -= HALF_TURN;
    return k * HEAD_FOLLOW + HALF_TURN;
}

PlayerJoints playerJoints(double lean, bool crouching) {
    const double hipY = PLAYER_HIP_Y + (crouching ? PLAYER_CROUCH_DROP : 0.0);
    return {xAlong(lean + SHOULDER_ANGLE, SHOULDER_DISTANCE) + PLAYER_HIP_X,
            yAlong(lean + SHOULDER_ANGLE, SHOULDER_DISTANCE) + hipY,
            xAlong(lean + NECK_ANGLE, NECK_DISTANCE) + PLAYER_HIP_X,
            yAlong(lean + NECK_ANGLE, NECK_DISTANCE) + hipY};
}
