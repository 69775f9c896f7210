// Space vector arithmetic in double precision.
#include "Vector3.h"

#include <cmath>

Vector3 Vector3::normalize() const {
    double len = length();
    return len == 0.0 ? *this : *this / len;
}

Vector3 Vector3::crossProduct(const Vector3& o) const {
    return Vector3(m_y * o.m_z - m_z * o.m_y, m_z * o.m_x - m_x * o.m_z, m_x * o.m_y - m_y * o.m_x);
}

double Vector3::dotProduct(const Vector3& o) const {
    return m_x * o.m_x + m_y * o.m_y + m_z * o.m_z;
}

Vector3& Vector3::operator+=(const Vector3& o) {
    m_x += o.m_x;
    m_y += o.m_y;
    m_z += o.m_z;
    return *this;
}

Vector3& Vector3::operator-=(const Vector3& o) {
    m_x -= o.m_x;
    m_y -= o.m_y;
    m_z -= o.m_z;
    return *this;
}

Vector3& Vector3::operator*=(const Vector3& o) {
    m_x *= o.m_x;
    m_y *= o.m_y;
    m_z *= o.m_z;
    return *this;
}

Vector3& Vector3::operator/=(const Vector3& o) {
    m_x /= o.m_x;
    m_y /= o.m_y;
    m_z /= o.m_z;
    return *this;
}

Vector3& Vector3::operator*=(double s) {
    m_x *= s;
    m_y *= s;
    m_z *= s;
    return *this;
}

Vector3& Vector3::operator/=(double s) {
    m_x /= s;
    m_y /= s;
    m_z /= s;
    return *this;
}

double Vector3::length() const {
    return std::sqrt(m_x * m_x + m_y * m_y + m_z * m_z);
}

double Vector3::length(const Vector3& o) const {
    return (o - *this).length();
}
