// The pose of a box character with a humanoid body: where shoulder and
// neck sit (offsets from the reference point), which way it faces, how
// body, arm and head are turned (degrees), and which animation its arms and
// legs play. The player fills and draws it.
#pragma once

#include "Entities/Characters/E_CharacterGround.h"
#include "World/HumanoidFrameTypes.h"

class E_CharacterGroundHumanoid : public E_CharacterGround, public HumanoidFrameTypes {
  public:
    E_CharacterGroundHumanoid(MapController* mapController, double x, double y, double bboxL,
                              double bboxU, double bboxR, double bboxD, entityEnum type, int depth,
                              int health, surfaceType surfType, int team);

    double getArmPosX() const { return m_armPosX; }
    double getArmPosY() const { return m_armPosY; }
    double getHeadPosX() const { return m_headPosX; }
    double getHeadPosY() const { return m_headPosY; }
    bool getFacingRight() const { return m_facingRight; }
    double getBodyRotation() const { return m_bodyRotation; }
    double getBodyRotationOffset() const { return m_bodyRotationOffset; }
    double getArmRotation() const { return m_armRotation; }
    double getHeadRotation() const { return m_headRotation; }
    armFrameType getArmFrameType() const { return m_armFrameType; }
    legFrameType getLegFrameType() const { return m_legFrameType; }

  protected:
    double m_armPosX, m_armPosY;
    double m_headPosX, m_headPosY;
    bool m_facingRight;
    // The body's lean, the extra lean of the leg animation, and the combined
    // lean for which shoulder and neck were last placed. The speeds of the
    // three turning parts are kept for animations that ease, of which there
    // are none yet.
    double m_bodyRotation;
    double m_bodyRotationOffset;
    double m_bodyRotationOffsetSpeed;
    double m_bodyRotationLast;
    double m_armRotation;
    double m_armRotationOffset;
    double m_armRotationOffsetSpeed;
    double m_headRotation;
    double m_headRotationOffset;
    double m_headRotationOffsetSpeed;
    armFrameType m_armFrameType;
    legFrameType m_legFrameType;
};
