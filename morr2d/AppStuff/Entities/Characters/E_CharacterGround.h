// Platform movement of box characters: walking in sub-steps of 0.1 units
// that search downwards first for free room (so a walker follows falling
// ground and climbs small rises), jumping, the shorter jump when the key is
// let go, gravity, and a bounce for characters nobody steers. A subclass
// sets the command flags each tick and runs gameTick() last.
#pragma once

#include "Entities/Characters/E_Character.h"

class E_CharacterGround : public E_Character {
  public:
    E_CharacterGround(MapController* mapController, double x, double y, double bboxL, double bboxU,
                      double bboxR, double bboxD, entityEnum type, int depth, int health,
                      surfaceType surfType, int team);

    // One movement step with the command flags as they are.
    void gameTick() override;

    void setWalkSpeed(double walkSpeed) { m_walkSpeed = walkSpeed; }
    double getWalkSpeed() const { return m_walkSpeed; }
    bool getOnGround() const { return m_onGround; }
    double getXSpeed() const { return m_xSpeed; }
    double getYSpeed() const { return m_ySpeed; }
    void setXSpeed(double speed) { m_xSpeed = speed; }
    void setYSpeed(double speed) { m_ySpeed = speed; }
    void setControls(bool left, bool right, bool jump, bool jumpRelease) {
        m_ctrlLeft = left;
        m_ctrlRight = right;
        m_ctrlJump = jump;
        m_ctrlJumpRelease = jumpRelease;
    }

  protected:
    // The share of a whole tick the current tick stands for.
    double tickFraction() const;
    // Whether a wall touches the box moved to (x, y).
    bool wallAt(double x, double y) const;

    bool m_ctrlLeft;
    bool m_ctrlRight;
    // The jump key went down this tick.
    bool m_ctrlJump;
    // The jump key went up this tick.
    bool m_ctrlJumpRelease;
    // A wall lies just below the box; kept by the movement step.
    bool m_onGround;
    double m_walkSpeed;
    // Velocity in world units per whole tick, y down.
    double m_xSpeed;
    double m_ySpeed;

  private:
    void steer();
    void moveHorizontally(double f, double& px, double& py);
    void moveVertically(double f, double px, double& py);
    bool groundBelow(double x, double y) const;
};
