// The pose of a ground character with a humanoid body: where shoulder and
// neck sit, which way it faces, how body, arm and head are turned, and which
// animation its arms and legs play. The player fills and draws it.
#pragma once

#include "Entities/Characters/E_CharacterGround.h"
#include "World/HumanoidFrameTypes.h"

class E_CharacterGroundHumanoid : public E_CharacterGround, public HumanoidFrameTypes {
  public:
    E_CharacterGroundHumanoid(MapController* mapController, const Ellipsoid2& position,
                              entityEnum type, double health, surfaceType surfType, int team);

    const Vector2& getArmPos() const { return m_armPos; }
    const Vector2& getHeadPos() const { return m_headPos; }
    bool getFacingRight() const { return m_facingRight; }
    Degrees getBodyRotation() const { return m_bodyRotation; }
    Degrees getBodyRotationOffset() const { return m_bodyRotationOffset; }
    Degrees getArmRotation() const { return m_armRotation; }
    Degrees getHeadRotation() const { return m_headRotation; }
    armFrameType getArmFrameType() const { return m_armFrameType; }
    legFrameType getLegFrameType() const { return m_legFrameType; }

  protected:
    // Shoulder and neck points, relative to the ellipse's centre.
    Vector2 m_armPos;
    Vector2 m_headPos;
    bool m_facingRight;
    // The body's lean, the extra lean of the leg animation, and the combined
    // lean for which shoulder and neck were last placed. The speeds of the
    // three turning parts are kept for animations that ease, of which there
    // are none yet.
    Degrees m_bodyRotation;
    Degrees m_bodyRotationOffset;
    Degrees m_bodyRotationOffsetSpeed;
    Degrees m_bodyRotationLast;
    Degrees m_armRotation;
    Degrees m_armRotationOffset;
    Degrees m_armRotationOffsetSpeed;
    Degrees m_headRotation;
    Degrees m_headRotationOffset;
    Degrees m_headRotationOffsetSpeed;
    armFrameType m_armFrameType;
    legFrameType m_legFrameType;
};
