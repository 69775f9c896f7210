// Plane vector arithmetic in double precision.
#include "Vector2.h"

#include <cmath>

Vector2::Vector2(Radians angle, double length)
    : m_x(std::cos(angle.m_radians) * length), m_y(std::sin(-angle.m_radians) * length) {}

Vector2::Vector2(Degrees angle, double length) : Vector2(angle.toRadians(), length) {}

Vector2 Vector2::normalize() const {
    double len = length();
    return len == 0.0 ? *this : *this / len;
}

double Vector2::crossProduct(const Vector2& o) const {
    return m_x * o.m_y - m_y * o.m_x;
}

double Vector2::dotProduct(const Vector2& o) const {
    return m_x * o.m_x + m_y * o.m_y;
}

Vector2 Vector2::project(const Vector2& b) const {
    return *this * (b.dotProduct(*this) / dotProduct(*this));
}

Vector2 Vector2::rNormal() const {
    return Vector2(-m_y, m_x);
}

Vector2 Vector2::lNormal() const {
    return Vector2(m_y, -m_x);
}

Vector2& Vector2::operator+=(const Vector2& o) {
    m_x += o.m_x;
    m_y += o.m_y;
    return *this;
}

Vector2& Vector2::operator-=(const Vector2& o) {
    m_x -= o.m_x;
    m_y -= o.m_y;
    return *this;
}

Vector2& Vector2::operator*=(const Vector2& o) {
    m_x *= o.m_x;
    m_y *= o.m_y;
    return *this;
}

Vector2& Vector2::operator/=(const Vector2& o) {
    m_x /= o.m_x;
    m_y /= o.m_y;
    return *this;
}

Vector2& Vector2::operator*=(double s) {
    m_x *= s;
    m_y *= s;
    return *this;
}

Vector2& Vector2::operator/=(double s) {
    m_x /= s;
    m_y /= s;
    return *this;
}

double Vector2::length() const {
    return std::sqrt(m_x * m_x + m_y * m_y);
}

double Vector2::length(const Vector2& o) const {
    return (o - *this).length();
}

Radians Vector2::direction() const {
    return Radians(*this);
}

Radians Vector2::direction(const Vector2& o) const {
    return Radians(o - *this);
}
