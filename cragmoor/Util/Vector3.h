// A point, normal or texture coordinate of the level mesh.
#pragma once

class Vector3 {
  public:
    Vector3() = default;
    Vector3(double x, double y, double z) : m_x(x), m_y(y), m_z(z) {}

    // Unit vector of the same direction; the zero vector stays zero.
    Vector3 normalize() const;
    Vector3 crossProduct(const Vector3& o) const;
    double dotProduct(const Vector3& o) const;

    Vector3& operator+=(const Vector3& o);
    Vector3& operator-=(const Vector3& o);
    Vector3& operator*=(const Vector3& o);
    Vector3& operator/=(const Vector3& o);
    Vector3& operator*=(double s);
    Vector3& operator/=(double s);

    Vector3 operator+(const Vector3& o) const { return Vector3(*this) += o; }
    Vector3 operator-(const Vector3& o) const { return Vector3(*this) -= o; }
    Vector3 operator*(const Vector3& o) const { return Vector3(*this) *= o; }
    Vector3 operator/(const Vector3& o) const { return Vector3(*this) /= o; }
    Vector3 operator*(double s) const { return Vector3(*this) *= s; }
    Vector3 operator/(double s) const { return Vector3(*this) /= s; }

    double length() const;
    // Distance between this point and o.
    double length(const Vector3& o) const;

    double m_x = 0.0;
    double m_y = 0.0;
    double m_z = 0.0;
};
