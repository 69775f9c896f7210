// Which arm and leg animation a humanoid plays; the player's frames set
// them and its leg rules read them.
#pragma once

struct HumanoidFrameTypes {
    enum armFrameType {
        ARM_FRAME_IDLE = 0,
        ARM_FRAME_SHOOT = 1,
        ARM_FRAME_READY = 2,
        ARM_FRAME_PAIN = 3,
    };
    enum legFrameType {
        LEG_FRAME_STAND = 0,
        LEG_FRAME_JUMP = 1,
        LEG_FRAME_WALK = 2,
        LEG_FRAME_CROUCH = 3,
        LEG_FRAME_CROUCH_WALK = 4,
    };
};
