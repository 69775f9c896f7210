// An entity that aims and may be steered: how it chooses where to face, the
// entity it aims at, and its own aim point.
#pragma once

#include "Entities/Characters/E_AITargetable.h"
#include "PointerManager.h"
#include "World/AimType.h"

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
