// The character the user steers: walks, jumps and crouches by keyboard,
// faces and aims at its target (the game cursor), and is drawn from
// separate leg, body, head and arm sprites that two frame sequencers
// animate. Movement itself is the ground movement, run last in each tick.
#pragma once

#include <array>
#include <memory>

#include "AppStuff/FrameController.h"
#include "Entities/Characters/E_CharacterGroundHumanoid.h"
#include "Resources/Sound.h"
#include "Resources/Sprite.h"

class E_Player : public E_CharacterGroundHumanoid {
  public:
    // The player's sprites, in catalogue order from its head to its last
    // shotgun arm frame.
    static constexpr int FIRST_SPRITE = SP_PLAYstart + 1;
    static constexpr int SPRITE_COUNT = SP_PLAYend - FIRST_SPRITE;

    E_Player(MapController* mapController, const Vector2& position);
    ~E_Player() override;

    void gameTick() override;
    void draw() override;

    // Frames of the arm and leg sequencers. Entering a frame sets its
    // sprites, its duration and the frame after it; the cycle frames also
    // lean the body by the walking direction at the moment they are entered.
    void frArmInit();
    void frArmPISTidle();
    void frLegStand();
    void frLegJump();
    void frLegWalk00();
    void frLegWalk01();
    void frLegWalk02();
    void frLegWalk03();
    void frLegWalk04();
    void frLegWalk05();
    void frLegCrouchStand();
    void frLegCrouch00();
    void frLegCrouch01();
    void frLegCrouch02();
    void frLegCrouch03();
    void frLegCrouch04();
    void frLegCrouch05();
    void frLegCrouch06();
    void frLegCrouch07();

    bool getCrouching() const { return m_crouching; }
    const FrameController<E_Player>& getLegFrames() const { return *m_legFrames; }
    const FrameController<E_Player>& getArmFrames() const { return *m_armFrames; }

  private:
    using Frame = FrameController<E_Player>::Frame;

    void readControls();
    void crouch();
    void faceAndLean(const E_AITargetable* target);
    void placeJointsIfLeanChanged();
    void placeJoints(Degrees lean);
    void aimArmAndHead(const E_AITargetable& target);
    void animateLegs();

    bool walkingBackwards() const;
    void enterLegFrame(legFrameType type, spriteEnum sprite, double duration);
    void enterLegCycleFrame(legFrameType type, spriteEnum sprite, Frame forward, double forwardLean,
                            Frame backward, double backwardLean);

    const Sprite& spriteOf(spriteEnum sprite) const;
    void drawPart(spriteEnum sprite, const Vector2& offset, Degrees rotation) const;
    Degrees drawnRotation(Degrees rotation) const;
    void drawCollisionEllipse() const;

    std::unique_ptr<FrameController<E_Player>> m_legFrames;
    // Slot 0 the front arm, slot 1 the back arm (SP_NONE when there is none).
    std::unique_ptr<FrameController<E_Player>> m_armFrames;
    std::array<Pointer<Sprite>, SPRITE_COUNT> m_sprites;
    // The music started with the player; it keeps playing after the player.
    Pointer<Sound> m_test;
    bool m_ctrlCrouch;
    bool m_crouching;
};
