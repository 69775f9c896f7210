#include "LineKinds.h"

#include <cmath>

#include "Entities/Characters/E_CharacterGround.h"
#include "Util/Angles.h"
#include "Util/Vector2.h"

namespace {

// Exports rarely write a floor or a wall exactly level or upright.
constexpr double kStraightTolerance = 1.0;

bool within(double degrees, double target) {
    return std::abs(degrees - target) <= kStraightTolerance;
}

} // namespace

LineKind kindOf(const Line2& line) {
    const Vector2 along = line.m_b - line.m_a;
    if (along.m_x == 0 && along.m_y == 0) {
        return LineKind::Point;
    }
    // The front normal is rNormal(along); the ellipse's contact normal is its
    // reverse, which is lNormal(along).
    double direction = Degrees(along.lNormal()).m_degrees;
    if (direction < 0) {
        direction += 360;
    }
    if (within(direction, 270)) {
        return LineKind::Floor;
    }
    if (direction >= PHYS_LEFT_LIMIT && direction <= PHYS_RIGHT_LIMIT) {
        return LineKind::WalkableSlope;
    }
    if (within(direction, 0) || within(direction, 180) || within(direction, 360)) {
        return LineKind::Wall;
    }
    return direction > 180 ? LineKind::SteepSlope : LineKind::Ceiling;
}

const char* nameOf(LineKind kind) {
    switch (kind) {
    case LineKind::Floor:
        return "floor";
    case LineKind::WalkableSlope:
        return "walkable slope";
    case LineKind::SteepSlope:
        return "steep slope";
    case LineKind::Wall:
        return "wall";
    case LineKind::Ceiling:
        return "ceiling";
    case LineKind::Point:
        return "point";
    }
    return "?";
}
