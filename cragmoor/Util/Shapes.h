// The plane shapes of the world: boxes for chunk and view queries, segments
// for collision lines, and axis-aligned ellipses for entities.
//
// A box is "arranged" when its top-left corner has the smaller coordinates
// (y grows downwards); only the constructors that say so arrange it.
#pragma once

#include "Vector2.h"

class Line2;
class Ellipsoid2;

class Box2 {
  public:
    Box2() = default;
    // Arranged.
    Box2(const Vector2& tl, const Vector2& br);
    // The overlap of two arranged boxes, left unarranged: boxes that do not
    // overlap give a top-left corner below or right of the bottom-right one.
    Box2(const Box2& box1, const Box2& box2);
    // The bounding box of the segment, arranged.
    explicit Box2(const Line2& l);
    // The bounding box of the ellipse.
    explicit Box2(const Ellipsoid2& e);

    Box2& operator+=(const Vector2& v);
    Box2& operator-=(const Vector2& v);
    Box2 operator+(const Vector2& v) const { return Box2(*this) += v; }
    Box2 operator-(const Vector2& v) const { return Box2(*this) -= v; }

    // Swaps the x values, then the y values, where they are out of order.
    Box2& rearrange();
    Box2 rearrange() const;

    // Inside or on the border.
    bool intersect(const Vector2& p) const;
    // Overlapping or touching.
    bool intersect(const Box2& o) const;

    Vector2 m_tl;
    Vector2 m_br;
};

class Line2 {
  public:
    Line2() = default;
    Line2(const Vector2& a, const Vector2& b) : m_a(a), m_b(b) {}
    // The diagonal from the top-left to the bottom-right corner.
    explicit Line2(const Box2& box) : m_a(box.m_tl), m_b(box.m_br) {}

    Vector2 m_a;
    Vector2 m_b;
};

class Ellipsoid2 {
  public:
    Ellipsoid2() = default;
    Ellipsoid2(const Vector2& center, const Vector2& radius) : m_center(center), m_radius(radius) {}

    // Outward unit normal of the family of ellipses around the centre that
    // passes through p; (0, 0) at the centre itself.
    Vector2 normal(const Vector2& p) const;

    Vector2 m_center;
    // Half-width along x and half-height along y.
    Vector2 m_radius;
};
