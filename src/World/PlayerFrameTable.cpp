// The leg frame table. Forwards the body leans into the stride with
// negative leans, backwards with positive ones.
#include "World/PlayerFrameTable.h"

#include "AppStuff/FrameController.h"

namespace {

using T = HumanoidFrameTypes;
using F = LegFrame;
// A leg frame of the walk and crouch-walk cycles lasts this many ticks.
constexpr double TICKS = 3.0;
const double HOLD = FRAME_INFINITE_DURATION;

const LegFrameRow ROWS[LEG_FRAME_COUNT] = {
    {T::LEG_FRAME_STAND, SP_PLAYlegS, HOLD, false, true, F::Stand, 0, F::Stand, 0},
    {T::LEG_FRAME_JUMP, SP_PLAYlegJ, HOLD, false, true, F::Jump, 0, F::Jump, 0},
    {T::LEG_FRAME_WALK, SP_PLAYlegW00, TICKS, true, false, F::Walk01, -5, F::Walk05, 5},
    {T::LEG_FRAME_WALK, SP_PLAYlegW01, TICKS, true, false, F::Walk02, -10, F::Walk00, 10},
    {T::LEG_FRAME_WALK, SP_PLAYlegW02, TICKS, true, false, F::Walk03, -15, F::Walk01, 15},
    {T::LEG_FRAME_WALK, SP_PLAYlegW03, TICKS, true, false, F::Walk04, -10, F::Walk02, 10},
    {T::LEG_FRAME_WALK, SP_PLAYlegW04, TICKS, true, false, F::Walk05, -5, F::Walk03, 5},
    {T::LEG_FRAME_WALK, SP_PLAYlegW05, TICKS, true, false, F::Walk00, 0, F::Walk04, 0},
    {T::LEG_FRAME_CROUCH, SP_PLAYlegD00, HOLD, false, false, F::CrouchStand, 0, F::CrouchStand, 0},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD00, TICKS, true, false, F::Crouch01, -5, F::Crouch07, 5},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD01, TICKS, true, false, F::Crouch02, -10, F::Crouch00,
     10},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD02, TICKS, true, false, F::Crouch03, -15, F::Crouch01,
     15},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD03, TICKS, true, false, F::Crouch04, -20, F::Crouch02,
     20},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD04, TICKS, true, false, F::Crouch05, -15, F::Crouch03,
     15},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD05, TICKS, true, false, F::Crouch06, -10, F::Crouch04,
     10},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD06, TICKS, true, false, F::Crouch07, -5, F::Crouch05, 5},
    {T::LEG_FRAME_CROUCH_WALK, SP_PLAYlegD07, TICKS, true, false, F::Crouch00, 0, F::Crouch06, 0},
};

} // namespace

const LegFrameRow& legFrameRow(LegFrame frame) {
    return ROWS[static_cast<int>(frame)];
}
