// The player's leg frames as data: which animation kind each belongs to,
// its sprite, how long it lasts, and for the walk and crouch-walk cycles the
// frame and body lean that follow forwards and backwards.
#pragma once

#include "Resources/ResourceEnumeration.h"
#include "World/HumanoidFrameTypes.h"

enum class LegFrame {
    Stand,
    Jump,
    Walk00,
    Walk01,
    Walk02,
    Walk03,
    Walk04,
    Walk05,
    CrouchStand,
    Crouch00,
    Crouch01,
    Crouch02,
    Crouch03,
    Crouch04,
    Crouch05,
    Crouch06,
    Crouch07,
};
constexpr int LEG_FRAME_COUNT = static_cast<int>(LegFrame::Crouch07) + 1;

struct LegFrameRow {
    HumanoidFrameTypes::legFrameType type;
    spriteEnum sprite;
    double duration;
    // Cycle frames hand over to the next frame when their time runs out.
    bool cycle;
    // A held frame that sets the body upright (standing, jumping) rather
    // than keeping the lean the legs last gave (crouching still).
    bool levelsBody;
    LegFrame forward;
    double forwardLean;
    LegFrame backward;
    double backwardLean;
};

const LegFrameRow& legFrameRow(LegFrame frame);
