// Angles as value types, so that degrees and radians cannot be mixed up.
//
// Angles grow counter-clockwise as seen on screen; with y growing downwards
// that means converting from a vector negates y. Arithmetic never wraps: only
// constrain() brings an angle back into one full turn.
#pragma once

#include "Util/MathConstants.h"

class Vector2;
class Degrees;
class Radians;

// The arithmetic and comparisons both angle units share. Angle provides its
// stored value through value() and its full turn as FULL_TURN.
template <class Angle> class AngleArithmetic {
  public:
    Angle& operator+=(const Angle& o) { return apply(value() + o.value()); }
    Angle& operator-=(const Angle& o) { return apply(value() - o.value()); }
    Angle& operator*=(const Angle& o) { return apply(value() * o.value()); }
    Angle& operator/=(const Angle& o) { return apply(value() / o.value()); }
    Angle& operator+=(double o) { return apply(value() + o); }
    Angle& operator-=(double o) { return apply(value() - o); }
    Angle& operator*=(double o) { return apply(value() * o); }
    Angle& operator/=(double o) { return apply(value() / o); }

    Angle operator+(const Angle& o) const { return Angle(self()) += o; }
    Angle operator-(const Angle& o) const { return Angle(self()) -= o; }
    Angle operator*(const Angle& o) const { return Angle(self()) *= o; }
    Angle operator/(const Angle& o) const { return Angle(self()) /= o; }
    Angle operator+(double o) const { return Angle(self()) += o; }
    Angle operator-(double o) const { return Angle(self()) -= o; }
    Angle operator*(double o) const { return Angle(self()) *= o; }
    Angle operator/(double o) const { return Angle(self()) /= o; }

    bool operator<(const Angle& o) const { return value() < o.value(); }
    bool operator>(const Angle& o) const { return value() > o.value(); }
    bool operator<=(const Angle& o) const { return value() <= o.value(); }
    bool operator>=(const Angle& o) const { return value() >= o.value(); }
    bool operator<(double o) const { return value() < o; }
    bool operator>(double o) const { return value() > o; }
    bool operator<=(double o) const { return value() <= o; }
    bool operator>=(double o) const { return value() >= o; }

    // Exact on purpose: callers that need a tolerance say so themselves.
    bool operator==(const Angle& o) const { return value() == o.value(); }
    bool operator!=(const Angle& o) const { return value() != o.value(); }
    bool operator==(double o) const { return value() == o; }
    bool operator!=(double o) const { return value() != o; }

    // Wraps into [0, full turn) one turn per step, and returns the new value.
    Angle constrain() {
        while (value() >= Angle::FULL_TURN) {
            apply(value() - Angle::FULL_TURN);
        }
        while (value() < 0) {
            apply(value() + Angle::FULL_TURN);
        }
        return self();
    }

  private:
    const Angle& self() const { return static_cast<const Angle&>(*this); }
    double value() const { return self().value(); }
    Angle& apply(double v) {
        Angle& angle = static_cast<Angle&>(*this);
        angle.value() = v;
        return angle;
    }
};

class Degrees : public AngleArithmetic<Degrees> {
  public:
    static constexpr double FULL_TURN = 360.0;

    Degrees() = default;
    explicit Degrees(double degrees) : m_degrees(degrees) {}
    // The direction of v, in [0, 360).
    explicit Degrees(const Vector2& v);

    Radians toRadians() const;

    double m_degrees = 0.0;

  private:
    friend class AngleArithmetic<Degrees>;
    double value() const { return m_degrees; }
    double& value() { return m_degrees; }
};

class Radians : public AngleArithmetic<Radians> {
  public:
    static constexpr double FULL_TURN = MATH_2PI;

    Radians() = default;
    explicit Radians(double radians) : m_radians(radians) {}
    // The direction of v, in [0, MATH_2PI): (1, 0) is 0, (0, -1) (up) is pi/2.
    explicit Radians(const Vector2& v);

    Degrees toDegrees() const;

    double m_radians = 0.0;

  private:
    friend class AngleArithmetic<Radians>;
    double value() const { return m_radians; }
    double& value() { return m_radians; }
};
