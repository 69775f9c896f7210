// A ground character steered by a test instead of by keys.
#pragma once

#include "Entities/Characters/E_CharacterGround.h"

// The player's radii.
inline const Vector2 WALKER_RADIUS(16, 32);

class Walker : public E_CharacterGround {
  public:
    Walker(MapController* map, const Vector2& centre, const Vector2& radius = WALKER_RADIUS)
        : E_CharacterGround(map, Ellipsoid2(centre, radius), EN_CHARACTER_GROUND, 100,
                            SURFACE_BLOOD, 0) {
        m_walkSpeed = 4.0;
    }
    void draw() override {}

    void steer(bool left, bool right, bool jump = false, bool jumpRelease = false) {
        m_ctrlLeft = left;
        m_ctrlRight = right;
        m_ctrlJump = jump;
        m_ctrlJumpRelease = jumpRelease;
    }
    void setVelocity(const Vector2& velocity) { m_velocity = velocity; }
    void setControlState(ControlState state) { m_controlState = state; }

    // A floor contact as the contact search would record it, with the
    // outward normal of the given direction.
    void plantFloorContact(double direction) {
        CollisionPoint point;
        const Degrees angle(direction);
        point.m_normal = Vector2(angle, 1.0);
        point.m_normalDirection = angle;
        point.m_position = m_position.m_center + point.m_normal * m_position.m_radius;
        m_collisionPoints.push_back(point);
        m_collisionPointCache.cache(&m_collisionPoints.back(), m_position.m_center);
    }
    const Vector2& centre() const { return m_position.m_center; }
};
