// The swept-ellipse contact search. The world is scaled so that the entity's
// ellipse becomes the unit circle; each line is then tried against the moving
// circle: first its face, then its nearer end point when the face would be hit
// beside the segment.
#include "Contacts.h"

#include "Util/RayTests.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The centre may lie this far behind a line (scaled units) and still collide
// with its front side.
constexpr double BEHIND_TOLERANCE = 0.001;
// A line reaching this far into the circle embeds it; a ray parameter down to
// this far below zero still counts as a hit at the start.
constexpr double EMBED_TOLERANCE = 1e-7;
// A contact point nearer the centre than this lay inside the unit circle.
constexpr double INSIDE_RADIUS = 0.9999;
// Slack when asking whether a point computed on a line lies on its segment: the
// box of an axis-parallel segment has no width, and the computed point misses
// it by a rounding step about half the time, which would send the circle past
// the segment's end point and on through the floor.
constexpr double ON_SEGMENT_ALLOWANCE = 1e-9;

// The movement in the space where the ellipse is the unit circle.
struct ScaledMovement {
    Vector2 position;
    Vector2 velocity;
    // velocity normalized; (0, 0) when there is no movement.
    Vector2 direction;
    double length;
};

// Where the moving circle first touches one line.
struct LineHit {
    // Along the movement's direction, scaled units.
    double distance;
    // The point of the circle, at its starting place, that touches the line.
    Vector2 circlePoint;
};

bool outsideSweptRegion(const ScaledMovement& m, const Line2& line) {
    const Box2 region(Vector2(m.position.m_x - 1 + std::min(m.velocity.m_x, 0.0),
                              m.position.m_y - 1 + std::min(m.velocity.m_y, 0.0)),
                      Vector2(m.position.m_x + 1 + std::max(m.velocity.m_x, 0.0),
                              m.position.m_y + 1 + std::max(m.velocity.m_y, 0.0)));
    return !region.intersect(Box2(line));
}

bool onSegment(const Vector2& pointOnLine, const Line2& line) {
    const Vector2 slack(ON_SEGMENT_ALLOWANCE, ON_SEGMENT_ALLOWANCE);
    const Box2 box(line);
    return Box2(box.m_tl - slack, box.m_br + slack).intersect(pointOnLine);
}

// The end point nearer to p; b when both are equally far.
const Vector2& nearerEnd(const Line2& line, const Vector2& p) {
    return p.length(line.m_a) < p.length(line.m_b) ? line.m_a : line.m_b;
}

// When the circle already touches or overlaps the segment, the unit vector from
// the centre towards the part of it that does: against the front normal where
// the face lies across from the centre, else towards the nearer end point.
// (0, 0) for an end point at the very centre, which no movement approaches.
std::optional<Vector2> towardsTouchedPart(const Vector2& centre, const Line2& line,
                                          const Vector2& normal) {
    const Vector2 along = line.m_b - line.m_a;
    const double squaredLength = along.dotProduct(along);
    const double projected = (centre - line.m_a).dotProduct(along);
    if (squaredLength > 0 && projected >= 0 && projected <= squaredLength) {
        if ((centre - line.m_a).dotProduct(normal) < 1 + EMBED_TOLERANCE)
            return normal * -1.0;
        return std::nullopt;
    }
    const Vector2& end = projected > 0 ? line.m_b : line.m_a;
    if (centre.length(end) < 1 + EMBED_TOLERANCE)
        return (end - centre).normalize();
    return std::nullopt;
}

// Where the moving circle first touches one line (scaled units), if it does
// within the movement.
std::optional<LineHit> traceLine(const ScaledMovement& m, const Line2& line) {
    if (outsideSweptRegion(m, line))
        return std::nullopt;
    const Vector2 normal = (line.m_b - line.m_a).rNormal().normalize();
    if ((line.m_a - m.position).dotProduct(normal) > BEHIND_TOLERANCE)
        return std::nullopt;

    // Touching already: any movement towards the line goes deeper, so it is hit
    // at once; along a movement away the distance to a segment never shrinks
    // again, so the line cannot be hit at all.
    if (const std::optional<Vector2> towards = towardsTouchedPart(m.position, line, normal)) {
        if (m.velocity.dotProduct(*towards) > 0)
            return LineHit{0.0, m.position + *towards};
        return std::nullopt;
    }

    Vector2 circlePoint = m.position - normal;
    double toPlane;
    Vector2 planePoint;
    if ((line.m_a - circlePoint).dotProduct(normal) > EMBED_TOLERANCE) {
        // The line (not the segment) cuts the circle: straight out to it.
        toPlane = rayTracePlane2(circlePoint, normal, line.m_a, normal);
        planePoint = circlePoint + normal * toPlane;
    } else {
        toPlane = rayTracePlane2(circlePoint, m.direction, line.m_a, normal);
        planePoint = circlePoint + m.direction * toPlane;
    }

    double distance = toPlane;
    if (!onSegment(planePoint, line)) {
        // Hit beside the segment: trace its nearer end backwards onto the circle.
        const Vector2 backwards = m.direction * -1.0;
        const Vector2& end = nearerEnd(line, planePoint);
        distance = rayTraceUnitCircle2(end, backwards, m.position);
        if (distance > -EMBED_TOLERANCE)
            circlePoint = end + backwards * distance;
    }

    if (distance > -EMBED_TOLERANCE && distance <= m.length)
        return LineHit{distance, circlePoint};
    return std::nullopt;
}

CollisionPoint contactAt(const Ellipsoid2& ellipse, const ScaledMovement& m, const LineHit& hit,
                         const Line2& worldLine) {
    CollisionPoint point;
    point.m_inside = hit.circlePoint.length(m.position) < INSIDE_RADIUS;
    point.m_position = hit.circlePoint * ellipse.m_radius;
    point.m_line = worldLine;
    point.m_normal = ellipse.normal(point.m_position);
    point.m_normalDirection = Degrees(point.m_normal);
    return point;
}

// Replaces held with candidate when there is none yet or candidate lies further
// to that side; on equal x the point held stays.
void keepLeftMost(const CollisionPoint*& held, const CollisionPoint* candidate) {
    if (!held || held->m_position.m_x > candidate->m_position.m_x)
        held = candidate;
}

void keepRightMost(const CollisionPoint*& held, const CollisionPoint* candidate) {
    if (!held || candidate->m_position.m_x > held->m_position.m_x)
        held = candidate;
}

} // namespace

ContactSweep sweepEllipse(const Ellipsoid2& ellipse, const Vector2& velocity,
                          const std::vector<Line2>& lines) {
    const Vector2& radius = ellipse.m_radius;
    ScaledMovement m;
    m.position = ellipse.m_center / radius;
    m.velocity = velocity / radius;
    m.direction = m.velocity.normalize();
    m.length = m.velocity.length();

    ContactSweep sweep;
    double closestDistance = m.length;
    for (const Line2& worldLine : lines) {
        const std::optional<LineHit> hit =
            traceLine(m, Line2(worldLine.m_a / radius, worldLine.m_b / radius));
        // Each taken hit lowers the bar to its distance less the gap kept free,
        // and a later line must beat it strictly: among lines hit within that
        // gap of each other the earliest wins.
        if (!hit || hit->distance >= closestDistance)
            continue;
        closestDistance = hit->distance - PHYS_AWAY_DIST;
        sweep.found = true;
        sweep.point = contactAt(ellipse, m, *hit, worldLine);
    }

    // A blocked search answers exactly 0: going through world positions and
    // back would leave a rounding residue that callers take for a movement.
    sweep.moved = closestDistance > PHYS_ZERO;
    if (!sweep.moved)
        return sweep;
    const double asked = velocity.length();
    sweep.distance =
        sweep.found ? std::min((m.direction * closestDistance * radius).length(), asked) : asked;
    return sweep;
}

CollisionPointCache::CollisionPointCache() {
    clear();
}

void CollisionPointCache::clear() {
    m_collisionLeftMostFloor = nullptr;
    m_collisionRightMostFloor = nullptr;
    m_collisionLeftMostCeiling = nullptr;
    m_collisionRightMostCeiling = nullptr;
    m_collisionBottomMostFloor = nullptr;
}

void CollisionPointCache::cache(const CollisionPoint* newPoint, const Vector2& ellipseOrigin) {
    const Vector2& at = newPoint->m_position;
    const bool level = std::abs(at.m_y - ellipseOrigin.m_y) <= PHYS_COLL_EPSILON;
    const bool floor = level || at.m_y > ellipseOrigin.m_y;
    const bool ceiling = level || !floor;
    if (ceiling) {
        keepLeftMost(m_collisionLeftMostCeiling, newPoint);
        keepRightMost(m_collisionRightMostCeiling, newPoint);
    }
    if (floor) {
        if (!m_collisionBottomMostFloor || at.m_y > m_collisionBottomMostFloor->m_position.m_y)
            m_collisionBottomMostFloor = newPoint;
        keepLeftMost(m_collisionLeftMostFloor, newPoint);
        keepRightMost(m_collisionRightMostFloor, newPoint);
    }
}

bool recordContact(std::list<CollisionPoint>& points, CollisionPointCache& cache,
                   const CollisionPoint& found, const Vector2& ellipseCentre) {
    for (const CollisionPoint& known : points) {
        if (std::abs(known.m_position.m_x - found.m_position.m_x) <= PHYS_COLL_EPSILON &&
            std::abs(known.m_position.m_y - found.m_position.m_y) <= PHYS_COLL_EPSILON)
            return false;
    }
    points.push_back(found);
    cache.cache(&points.back(), ellipseCentre);
    return true;
}
