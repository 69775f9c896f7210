// Where the player's pieces join, in figure units: relative to the centre of
// the 32 x 64 collision ellipse, facing right, y down, before the drawing's
// shift of 8 units to the left. The game places the body at (9, 15) (23 when
// crouching), the head on the neck point and the arm on the shoulder point
// around it, and hangs the legs from the centre; every image below is drawn
// so that its anchor lands on the joint it belongs to.
#pragma once

#include "Canvas.h"

namespace rig {

constexpr Vec2 kBodyPivot{9, 15};
constexpr float kCrouchDrop = 8;
// Body image: the anchor (6, 10) sits on the body pivot.
constexpr Vec2 kBodyAnchor{6, 10};
// Head image: the anchor (4, 7) is the neck.
constexpr Vec2 kHeadAnchor{4, 7};

// Legs: hips just below the body pivot (the belt is part of the legs, so the
// leaning body turns above it), soles on the ellipse's bottom.
constexpr float kHipX = 9;
constexpr float kHipBelowPivot = 2.5f;
constexpr float kGroundY = 32;
constexpr float kWalkLegsTop = 12;   // image top of standing and walking legs
constexpr float kCrouchLegsTop = 19; // image top of crouching legs

constexpr int kWalkFrames = 6;
constexpr int kCrouchFrames = 8;
// The catalogue's x anchors of the leg images; the anchor's y is the image
// top's distance above the ellipse centre (negative: the image hangs below).
constexpr int kStandAnchorX = 1;
constexpr int kJumpAnchorX = 1;
constexpr int kWalkAnchorX[kWalkFrames] = {-1, -1, -2, 1, 1, -1};
constexpr int kCrouchAnchorX[kCrouchFrames] = {3, 1, -1, 0, 2, 0, 0, 1};

// A leg image's pixel column that lies under figure x for the given anchor.
constexpr float legImageX(float figureX, int anchorX) {
    return figureX + anchorX;
}

} // namespace rig
