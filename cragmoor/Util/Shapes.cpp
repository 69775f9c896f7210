// Construction, arrangement and overlap tests of the plane shapes.
#include "Shapes.h"

#include <algorithm>
#include <utility>

Box2::Box2(const Vector2& tl, const Vector2& br) : m_tl(tl), m_br(br) {
    rearrange();
}

Box2::Box2(const Box2& box1, const Box2& box2)
    : m_tl(std::max(box1.m_tl.m_x, box2.m_tl.m_x), std::max(box1.m_tl.m_y, box2.m_tl.m_y)),
      m_br(std::min(box1.m_br.m_x, box2.m_br.m_x), std::min(box1.m_br.m_y, box2.m_br.m_y)) {}

Box2::Box2(const Line2& l) : m_tl(l.m_a), m_br(l.m_b) {
    rearrange();
}

Box2::Box2(const Ellipsoid2& e) : m_tl(e.m_center - e.m_radius), m_br(e.m_center + e.m_radius) {}

Box2& Box2::operator+=(const Vector2& v) {
    m_tl += v;
    m_br += v;
    return *this;
}

Box2& Box2::operator-=(const Vector2& v) {
    m_tl -= v;
    m_br -= v;
    return *this;
}

Box2& Box2::rearrange() {
    if (m_tl.m_x > m_br.m_x) {
        std::swap(m_tl.m_x, m_br.m_x);
    }
    if (m_tl.m_y > m_br.m_y) {
        std::swap(m_tl.m_y, m_br.m_y);
    }
    return *this;
}

Box2 Box2::rearrange() const {
    return Box2(*this).rearrange();
}

bool Box2::intersect(const Vector2& p) const {
    return m_tl.m_x <= p.m_x && p.m_x <= m_br.m_x && m_tl.m_y <= p.m_y && p.m_y <= m_br.m_y;
}

bool Box2::intersect(const Box2& o) const {
    return m_br.m_x >= o.m_tl.m_x && o.m_br.m_x >= m_tl.m_x && m_br.m_y >= o.m_tl.m_y &&
           o.m_br.m_y >= m_tl.m_y;
}

Vector2 Ellipsoid2::normal(const Vector2& p) const {
    return ((p - m_center) / (m_radius * m_radius)).normalize();
}
