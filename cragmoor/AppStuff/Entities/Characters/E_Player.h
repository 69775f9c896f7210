// The character the user steers: walks, jumps and crouches by keyboard,
// faces and aims at its target (the game cursor), and is drawn from
// separate leg, body, head and arm sprites that two frame sequencers
// animate. Movement itself is the ground movement, run last in each tick.
#pragma once

#include <memory>

#include "AppStuff/FrameController.h"
#include "Entities/Characters/E_CharacterGroundHumanoid.h"
#include "Resources/Sound.h"
#include "World/PlayerLegFrames.h"
#include "World/PlayerSprites.h"

class E_Player : public E_CharacterGroundHumanoid, public PlayerFrames<E_Player> {
  public:
    E_Player(MapController* mapController, const Vector2& position);
    ~E_Player() override;

    void gameTick() override;
    void draw() override;

    bool getCrouching() const { return m_crouching; }
    const FrameController<E_Player>& getLegFrames() const { return *m_legFrames; }
    const FrameController<E_Player>& getArmFrames() const { return *m_armFrames; }

  private:
    friend class PlayerFrames<E_Player>;

    void crouch();
    void faceAndLean(const E_AITargetable* target);
    void placeJointsIfLeanChanged();
    // Others aim at the player's shoulder.
    void aimAtShoulder();
    // The ground movement, the last step of the tick.
    void move();
    void placeJoints(Degrees lean);
    void aimArmAndHead(const E_AITargetable& target);

    void drawParts() const;
    void drawPart(spriteEnum sprite, const Vector2& offset, Degrees rotation) const;
    Degrees drawnRotation(Degrees rotation) const;
    void drawCollisionEllipse() const;

    std::unique_ptr<FrameController<E_Player>> m_legFrames;
    // Slot 0 the front arm, slot 1 the back arm (SP_NONE when there is none).
    std::unique_ptr<FrameController<E_Player>> m_armFrames;
    PlayerSprites m_sprites;
    // The music started with the player; it keeps playing after the player.
    Pointer<Sound> m_test;
    bool m_ctrlCrouch;
    bool m_crouching;
};
