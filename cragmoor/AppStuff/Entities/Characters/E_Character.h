// An entity that aims and may be steered: how it chooses where to face, the
// entity it aims at, and its own aim point.
#pragma once

#include "Entities/Characters/E_AITargetable.h"
#include "PointerManager.h"

enum aimType {
    // Face the way of the last horizontal move command.
    AIM_MOVE_DIR = 0,
    // Face the target and turn body, arm and head towards its centre.
    AIM_TARGET = 1,
    // Face towards the target but keep body, arm and head level.
    AIM_TARGET_DIR = 2,
    // Leave facing and angles as they are.
    AIM_NOSET = 3,
};

class E_Character : public E_AITargetable {
  public:
    E_Character(MapController* mapController, const Ellipsoid2& position, entityEnum type,
                double health, surfaceType surfType, int team);

    bool getHasMoveControl() const { return m_hasMoveControl; }
    void setHasMoveControl(bool moveControl) { m_hasMoveControl = moveControl; }
    aimType getAimType() const { return m_aimType; }
    void setAimType(aimType type) { m_aimType = type; }
    void getTarget(Pointer<E_AITargetable>* pointerDest) const { *pointerDest = m_target; }
    void setTarget(Pointer<E_AITargetable> pointer) { m_target = pointer; }
    // Offset of the character's own aim point from its centre.
    const Vector2& getAimPosition() const { return m_aimPosition; }

  protected:
    bool m_hasMoveControl;
    aimType m_aimType;
    Pointer<E_AITargetable> m_target;
    Vector2 m_aimPosition;
};
