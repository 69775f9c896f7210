// Platform movement in cragmoor's level: gravity, falling against the
// level's lines, walking that follows sloped floors, straight jumps, jumps
// thrown off steep slopes, and the shorter jump when the key is let go. A
// subclass sets the four command flags each tick and runs gameTick() last.
#pragma once

#include "Entities/Characters/E_Character.h"

// Gravity per whole tick, in world units per tick.
constexpr double PHYS_GRAVITY = 0.5;
// The greatest falling speed, world units per whole tick.
constexpr double PHYS_TERMINAL_VELOCITY = 16.0;
// Contact normals pointing between these directions (degrees, 270 straight
// down) are floor that can be walked on and jumped from.
constexpr double PHYS_LEFT_LIMIT = 220.0;
constexpr double PHYS_RIGHT_LIMIT = 320.0;
// The longest single step along a sloped floor, so that walking follows the
// slope instead of leaving it.
constexpr double PHYS_SLIDE = 0.1;

class E_CharacterGround : public E_Character {
  public:
    enum ControlState {
        // Walk and jump.
        CTRL_PLATFORM = 0,
        // Thrown leftwards off a steep slope: walking right is ignored until
        // the drift ends.
        CTRL_PLATFORM_SLOPE_JUMP_LEFT = 1,
        // Thrown rightwards: walking left is ignored until the drift ends.
        CTRL_PLATFORM_SLOPE_JUMP_RIGHT = 2,
        // No control at all, only gravity and falling.
        CTRL_EXPLODED = 3,
    };

    E_CharacterGround(MapController* mapController, const Ellipsoid2& position, entityEnum type,
                      double health, surfaceType surfType, int team);

    // One movement step with the command flags as they are.
    void gameTick() override;
    // Moves along the floor by up to `distance`, leftwards for a negative
    // direction, rightwards otherwise.
    void walk(double distance, char direction);

    void setWalkSpeed(double walkSpeed) { m_walkSpeed = walkSpeed; }
    double getWalkSpeed() const { return m_walkSpeed; }
    const Vector2& getVelocity() const { return m_velocity; }
    ControlState getControlState() const { return m_controlState; }
    bool getOnGround() const { return m_onGround; }

  protected:
    // The share of a whole tick the current tick stands for.
    double tickFraction() const;
    // Moves the ellipse's centre, keeping the map's chunk lists right.
    void moveCentre(const Vector2& offset);

  private:
    // +1 or -1 for the side the movement step walks to this tick, 0 for none.
    double walkSide() const;
    // The fall of this tick; answers whether the character moved at all.
    bool fall(const Vector2& movement);
    // Continues a movement stopped by `corner` along the ellipse's tangent
    // there; answers whether it moved.
    bool slideOff(const CollisionPoint& corner, const Vector2& rest);
    // Whether a line ending at the corner touched by `contact` runs on from it
    // as walkable floor towards the side `sideways` points to.
    bool floorRunsOnBeyond(const CollisionPoint& contact, double sideways);

  protected:
    ControlState m_controlState;
    // World units per whole tick; applied by the fall, never by walking.
    Vector2 m_velocity;
    bool m_ctrlLeft;
    bool m_ctrlRight;
    // The jump key went down this tick.
    bool m_ctrlJump;
    // The jump key went up this tick.
    bool m_ctrlJumpRelease;
    // Never cleared in cragmoor, where a character counts as grounded even in
    // the air; the box world of the other program keeps it up to date.
    bool m_onGround;
    double m_walkSpeed;
    // The velocity of the box world; unused here.
    double m_xSpeed;
    double m_ySpeed;
};
