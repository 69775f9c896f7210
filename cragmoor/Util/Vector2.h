// A point or displacement in the plane of the world (x right, y down).
#pragma once

#include "Angles.h"

class Vector2 {
  public:
    Vector2() = default;
    Vector2(double x, double y) : m_x(x), m_y(y) {}
    // The vector of the given length pointing along the angle (y negated, as
    // angles grow counter-clockwise on screen).
    Vector2(Radians angle, double length);
    Vector2(Degrees angle, double length);

    // Unit vector of the same direction; the zero vector stays zero.
    Vector2 normalize() const;
    double crossProduct(const Vector2& o) const;
    double dotProduct(const Vector2& o) const;
    // Projection of b onto this vector (this must not be zero).
    Vector2 project(const Vector2& b) const;
    // (-y, x): for (1, 0) it points down on screen.
    Vector2 rNormal() const;
    // (y, -x): for (1, 0) it points up on screen.
    Vector2 lNormal() const;

    Vector2& operator+=(const Vector2& o);
    Vector2& operator-=(const Vector2& o);
    Vector2& operator*=(const Vector2& o);
    Vector2& operator/=(const Vector2& o);
    Vector2& operator*=(double s);
    Vector2& operator/=(double s);

    Vector2 operator+(const Vector2& o) const { return Vector2(*this) += o; }
    Vector2 operator-(const Vector2& o) const { return Vector2(*this) -= o; }
    Vector2 operator*(const Vector2& o) const { return Vector2(*this) *= o; }
    Vector2 operator/(const Vector2& o) const { return Vector2(*this) /= o; }
    Vector2 operator*(double s) const { return Vector2(*this) *= s; }
    Vector2 operator/(double s) const { return Vector2(*this) /= s; }

    double length() const;
    // Distance between this point and o.
    double length(const Vector2& o) const;
    Radians direction() const;
    // Direction from this point towards o.
    Radians direction(const Vector2& o) const;

    double m_x = 0.0;
    double m_y = 0.0;
};
