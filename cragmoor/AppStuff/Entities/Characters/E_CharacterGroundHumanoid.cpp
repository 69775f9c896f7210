// A new humanoid stands upright facing right, its joints at the centre until
// its owner places them.
#include "Entities/Characters/E_CharacterGroundHumanoid.h"

E_CharacterGroundHumanoid::E_CharacterGroundHumanoid(MapController* mapController,
                                                     const Ellipsoid2& position, entityEnum type,
                                                     double health, surfaceType surfType, int team)
    : E_CharacterGround(mapController, position, type, health, surfType, team), m_armPos(0, 0),
      m_headPos(0, 0), m_facingRight(true), m_bodyRotation(0), m_bodyRotationOffset(0),
      m_bodyRotationOffsetSpeed(0), m_bodyRotationLast(0), m_armRotation(0), m_armRotationOffset(0),
      m_armRotationOffsetSpeed(0), m_headRotation(0), m_headRotationOffset(0),
      m_headRotationOffsetSpeed(0), m_armFrameType(ARM_FRAME_IDLE),
      m_legFrameType(LEG_FRAME_STAND) {}
