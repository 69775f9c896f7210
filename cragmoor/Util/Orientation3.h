// A rotation about an axis, as the fixed-function renderer takes it (degrees).
#pragma once

#include "Angles.h"
#include "Vector3.h"

class Orientation3 {
  public:
    Orientation3() = default;
    Orientation3(const Degrees& rotation, const Vector3& axis)
        : m_axis(axis), m_rotation(rotation) {}
    Orientation3(const Radians& rotation, const Vector3& axis)
        : m_axis(axis), m_rotation(rotation.toDegrees()) {}

    Vector3 m_axis;
    Degrees m_rotation;
};
