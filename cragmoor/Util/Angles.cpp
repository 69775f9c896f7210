// Conversions between the angle units and from vectors to angles.
#include "Angles.h"

#include "Vector2.h"

#include <cmath>

Degrees::Degrees(const Vector2& v) : Degrees(Radians(v).toDegrees()) {}

Radians Degrees::toRadians() const {
    return Radians(m_degrees * MATH_PI / 180.0);
}

Radians::Radians(const Vector2& v) : m_radians(std::atan2(-v.m_y, v.m_x)) {
    constrain();
}

Degrees Radians::toDegrees() const {
    return Degrees(m_radians * 180.0 / MATH_PI);
}
