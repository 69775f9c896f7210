// An entity that aims and may be steered: how it chooses where to face, the
// entity it aims at, and its own aim point as an offset from its reference
// point.
#pragma once

#include "Entities/Characters/E_AITargetable.h"
#include "PointerManager.h"
#include "World/AimType.h"

class E_Character : public E_AITargetable {
  public:
    E_Character(MapController* mapController, double x, double y, double bboxL, double bboxU,
                double bboxR, double bboxD, entityEnum type, int depth, int health,
                surfaceType surfType, int team)
        : E_AITargetable(mapController, x, y, bboxL, bboxU, bboxR, bboxD, type, depth, health,
                         surfType, team),
          m_hasMoveControl(true), m_aimType(AIM_MOVE_DIR), m_aimPositionX(0), m_aimPositionY(0) {}

    bool getHasMoveControl() const { return m_hasMoveControl; }
    void setHasMoveControl(bool moveControl) { m_hasMoveControl = moveControl; }
    aimType getAimType() const { return m_aimType; }
    void setAimType(aimType type) { m_aimType = type; }
    void getTarget(Pointer<E_AITargetable>* pointerDest) const { *pointerDest = m_target; }
    void setTarget(Pointer<E_AITargetable> pointer) { m_target = pointer; }
    double getAimPositionX() const { return m_aimPositionX; }
    double getAimPositionY() const { return m_aimPositionY; }

  protected:
    bool m_hasMoveControl;
    aimType m_aimType;
    Pointer<E_AITargetable> m_target;
    double m_aimPositionX;
    double m_aimPositionY;
};
