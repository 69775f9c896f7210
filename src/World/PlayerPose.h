// The player's aiming and pose rules that do not depend on how a world
// keeps points and angles: the body lean towards the aim, the clamp that
// keeps the head on the side the player faces, and where shoulder and neck
// sit on the leaning body. Angles are in degrees, counter-clockwise on
// screen; points are offsets in world units, y down.
#pragma once

// The walk speeds and the player's own aim point, standing and crouching.
constexpr double PLAYER_WALK_SPEED = 4.0;
constexpr double PLAYER_CROUCH_WALK_SPEED = 1.0;
constexpr double PLAYER_AIM_FORWARD = 8.0;
constexpr double PLAYER_AIM_HEIGHT = 8.0;
constexpr double PLAYER_CROUCH_AIM_HEIGHT = 20.0;
// Crouching bends the body forwards by this much.
constexpr double PLAYER_CROUCH_LEAN = 22.0;
// The hip point, where the body sprite is anchored, lower when crouching.
constexpr double PLAYER_HIP_X = 9.0;
constexpr double PLAYER_HIP_Y = 15.0;
constexpr double PLAYER_CROUCH_DROP = 8.0;

// The body follows a quarter of the aim angle, measured from level in the
// direction the player faces; `aim` is wrapped into [0, 360).
double bodyLeanToward(double aim, bool facingRight);

// The head follows 0.4 of the arm's angle `aim` (wrapped into [0, 360)).
// Aiming nearly straight down, the angle would wrap from just below 270 to
// just above -90 facing right; the head then keeps looking just past
// straight down instead of flipping round. Facing left, mirrored.
double headFollowing(double aim, bool facingRight);

// Shoulder and neck for the combined lean `lean` (already mirrored by the
// caller when facing left), as offsets from the entity's reference point
// before any mirroring of x.
struct PlayerJoints {
    double armX, armY, headX, headY;
};
PlayerJoints playerJoints(double lean, bool crouching);
