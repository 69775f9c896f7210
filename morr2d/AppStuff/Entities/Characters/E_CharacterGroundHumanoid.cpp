// A new humanoid stands upright facing right. Its last lean is one no lean
// can equal, so the first tick always places shoulder and neck.
#include "Entities/Characters/E_CharacterGroundHumanoid.h"

namespace {
constexpr double NO_LEAN_YET = -999.0;
} // namespace

E_CharacterGroundHumanoid::E_CharacterGroundHumanoid(MapController* mapController, double x,
                                                     double y, double bboxL, double bboxU,
                                                     double bboxR, double bboxD, entityEnum type,
                                                     int depth, int health, surfaceType surfType,
                                                     int team)
    : E_CharacterGround(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth, health,
                        surfType, team),
      m_armPosX(0), m_armPosY(0), m_headPosX(0), m_headPosY(0), m_facingRight(true),
      m_bodyRotation(0), m_bodyRotationOffset(0), m_bodyRotationOffsetSpeed(0),
      m_bodyRotationLast(NO_LEAN_YET), m_armRotation(0), m_armRotationOffset(0),
      m_armRotationOffsetSpeed(0), m_headRotation(0), m_headRotationOffset(0),
      m_headRotationOffsetSpeed(0), m_armFrameType(ARM_FRAME_IDLE),
      m_legFrameType(LEG_FRAME_STAND) {}
