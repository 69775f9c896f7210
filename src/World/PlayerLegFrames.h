// The player's leg and arm frames and the rules that choose them, for the
// player of either world. A frame is a member operation of the player (the
// sequencer calls it when the previous frame runs out): the player class
// derives from PlayerFrames<itself> and gains the operations, which read
// the frame table of PlayerFrameTable.h.
//
// The player must have m_mapController, m_legFrames and m_armFrames
// (FrameController of its own class), m_legFrameType, m_bodyRotationOffset,
// m_facingRight, the command flags m_ctrlLeft, m_ctrlRight, m_ctrlJump,
// m_ctrlJumpRelease and m_ctrlCrouch, m_crouching and m_onGround, and
// befriend this class. It also reads its controls here and runs the
// player's tick in its order, through the player's own steps crouch(),
// faceAndLean(target), placeJointsIfLeanChanged(), aimAtShoulder(),
// aimArmAndHead(target) and move().
#pragma once

#include "AppStuff/FrameController.h"
#include "ApplicationSettings.h"
#include "EventSystem.h"
#include "World/AimType.h"
#include "World/PlayerFrameTable.h"
#include "World/PlayerPose.h"
#include "World/WorldAccess.h"

template <class Player> class PlayerFrames {
  public:
    void frArmInit() { frArmPISTidle(); }
    void frArmPISTidle() {
        Player& player = self();
        player.m_armFrames->m_currentSprites[0] = SP_PLAYarmPIST00;
        player.m_armFrames->m_currentSprites[1] = SP_NONE;
        player.m_armFrames->m_duration = FRAME_INFINITE_DURATION;
    }
    void frLegStand() { enter(LegFrame::Stand); }
    void frLegJump() { enter(LegFrame::Jump); }
    void frLegWalk00() { enter(LegFrame::Walk00); }
    void frLegWalk01() { enter(LegFrame::Walk01); }
    void frLegWalk02() { enter(LegFrame::Walk02); }
    void frLegWalk03() { enter(LegFrame::Walk03); }
    void frLegWalk04() { enter(LegFrame::Walk04); }
    void frLegWalk05() { enter(LegFrame::Walk05); }
    void frLegCrouchStand() { enter(LegFrame::CrouchStand); }
    void frLegCrouch00() { enter(LegFrame::Crouch00); }
    void frLegCrouch01() { enter(LegFrame::Crouch01); }
    void frLegCrouch02() { enter(LegFrame::Crouch02); }
    void frLegCrouch03() { enter(LegFrame::Crouch03); }
    void frLegCrouch04() { enter(LegFrame::Crouch04); }
    void frLegCrouch05() { enter(LegFrame::Crouch05); }
    void frLegCrouch06() { enter(LegFrame::Crouch06); }
    void frLegCrouch07() { enter(LegFrame::Crouch07); }

  protected:
    // The player's tick, in its order.
    void tickInOrder() {
        Player& player = self();
        // 1. Animate.
        const double f = player.tickFraction();
        player.m_legFrames->update(f);
        player.m_armFrames->update(f);
        // 2. Controls.
        readControls();
        // 3. Crouch.
        player.crouch();
        // 4. Facing and body lean. Without a target, aiming at it keeps the
        // facing and angles as they are.
        const auto* target = player.m_target.isNull() ? nullptr : &*player.m_target;
        player.faceAndLean(target);
        // 5. Crouch lean.
        if (player.m_crouching)
            player.m_bodyRotation +=
                player.m_facingRight ? -PLAYER_CROUCH_LEAN : PLAYER_CROUCH_LEAN;
        // 6. Shoulder and neck.
        player.placeJointsIfLeanChanged();
        // 7. Others aim at the shoulder.
        player.aimAtShoulder();
        // 8. Arm and head.
        if (player.m_aimType == AIM_TARGET && target != nullptr)
            player.aimArmAndHead(*target);
        // 9. Legs.
        animateLegs();
        // 10. Move.
        player.move();
    }

    // The command flags from the keys of the settings. Every tick run in one
    // pass of the loop sees the same poll, so a jump key press counts in
    // each of them; the mouse buttons are not read.
    void readControls() {
        Player& player = self();
        ApplicationController* application = applicationOf(player.m_mapController);
        const EventSystem* events = application->getEventSystem();
        const ApplicationSettings* keys = application->getApplicationSettings();
        player.m_ctrlLeft = events->getKeyStateDown(keys->m_CONTROL_KBD_walkLeft);
        player.m_ctrlRight = events->getKeyStateDown(keys->m_CONTROL_KBD_walkRight);
        player.m_ctrlJump = events->getKeyStatePressed(keys->m_CONTROL_KBD_jump);
        player.m_ctrlJumpRelease = events->getKeyStateReleased(keys->m_CONTROL_KBD_jump);
        player.m_ctrlCrouch = events->getKeyStateDown(keys->m_CONTROL_KBD_crouch);
    }

    // The player walks backwards when it walks away from where it faces.
    bool walkingBackwards() const {
        const Player& player = static_cast<const Player&>(*this);
        return (player.m_ctrlLeft && player.m_facingRight) ||
               (player.m_ctrlRight && !player.m_facingRight);
    }

    // A cycle is always entered at its first frame and left at once when
    // the walk or crouch keys change.
    void animateLegs() {
        Player& player = self();
        const bool walking = player.m_ctrlLeft || player.m_ctrlRight;
        const auto type = player.m_legFrameType;
        if (player.m_crouching) {
            if (!walking && type != HumanoidFrameTypes::LEG_FRAME_CROUCH)
                frLegCrouchStand();
            else if (walking && type != HumanoidFrameTypes::LEG_FRAME_CROUCH_WALK)
                frLegCrouch00();
        } else if (!player.m_onGround) {
            if (type != HumanoidFrameTypes::LEG_FRAME_JUMP)
                frLegJump();
        } else if (!walking) {
            if (type != HumanoidFrameTypes::LEG_FRAME_STAND)
                frLegStand();
        } else if (type != HumanoidFrameTypes::LEG_FRAME_WALK) {
            frLegWalk00();
        }
    }

  private:
    using Operation = void (PlayerFrames::*)();

    Player& self() { return static_cast<Player&>(*this); }

    static Operation operationOf(LegFrame frame) {
        static const Operation OPERATIONS[LEG_FRAME_COUNT] = {
            &PlayerFrames::frLegStand,       &PlayerFrames::frLegJump,
            &PlayerFrames::frLegWalk00,      &PlayerFrames::frLegWalk01,
            &PlayerFrames::frLegWalk02,      &PlayerFrames::frLegWalk03,
            &PlayerFrames::frLegWalk04,      &PlayerFrames::frLegWalk05,
            &PlayerFrames::frLegCrouchStand, &PlayerFrames::frLegCrouch00,
            &PlayerFrames::frLegCrouch01,    &PlayerFrames::frLegCrouch02,
            &PlayerFrames::frLegCrouch03,    &PlayerFrames::frLegCrouch04,
            &PlayerFrames::frLegCrouch05,    &PlayerFrames::frLegCrouch06,
            &PlayerFrames::frLegCrouch07,
        };
        return OPERATIONS[static_cast<int>(frame)];
    }

    // Sets the frame's type, sprite and duration; a cycle frame also picks
    // the frame after it and the body's lean by the walking direction now.
    void enter(LegFrame frame) {
        Player& player = self();
        const LegFrameRow& row = legFrameRow(frame);
        player.m_legFrameType = row.type;
        player.m_legFrames->m_currentSprites[0] = row.sprite;
        player.m_legFrames->m_duration = row.duration;
        using Lean = decltype(player.m_bodyRotationOffset);
        if (!row.cycle) {
            if (row.levelsBody)
                player.m_bodyRotationOffset = Lean(0.0);
            return;
        }
        const bool backwards = walkingBackwards();
        player.m_legFrames->m_nextFrame = operationOf(backwards ? row.backward : row.forward);
        player.m_bodyRotationOffset = Lean(backwards ? row.backwardLean : row.forwardLean);
    }
};
