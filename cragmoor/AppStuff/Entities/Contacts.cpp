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
// An end point that reaches less than this far (scaled units) into the band
// the circle sweeps is passed by, not hit: a body resting exactly on a floor
// and walking along it meets the end of the next collinear segment at its
// very tangent, where rounding decides between a hit and a miss.
constexpr double GRAZE_DEPTH = 1e-9;
// A movement heads into a line it touches only when its direction points
// into the line by more than this: a walk along a floor's tangent points into
// the floor, or into the next collinear segment, by a rounding step.
constexpr double HEADING_INTO = 1e-9;
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
    // The circle meets one of the segment's end points rather than its face.
    bool atEnd;
};

// The region is widened by a rounding step: a line that the movement reaches
// exactly lies on its border, and a rounding step would drop it.
bool outsideSweptRegion(const ScaledMovement& m, const Line2& line) {
    const double reach = 1 + EMBED_TOLERANCE;
    const Box2 region(Vector2(m.position.m_x - reach + std::min(m.velocity.m_x, 0.0),
                              m.position.m_y - reach + std::min(m.velocity.m_y, 0.0)),
                      Vector2(m.position.m_x + reach + std::max(m.velocity.m_x, 0.0),
                              m.position.m_y + reach + std::max(m.velocity.m_y, 0.0)));
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

// The part of a segment the circle already touches or overlaps.
struct TouchedPart {
    // Unit vector from the centre towards it: against the front normal where
    // the face lies across from the centre, else towards the nearer end
    // point. (0, 0) for an end point at the very centre.
    Vector2 towards;
    bool atEnd;
    // The end point touched, when atEnd.
    Vector2 end;
};

std::optional<TouchedPart> touchedPart(const Vector2& centre, const Line2& line,
                                       const Vector2& normal) {
    const Vector2 along = line.m_b - line.m_a;
    const double squaredLength = along.dotProduct(along);
    const double projected = (centre - line.m_a).dotProduct(along);
    if (squaredLength > 0 && projected >= 0 && projected <= squaredLength) {
        if ((centre - line.m_a).dotProduct(normal) < 1 + EMBED_TOLERANCE)
            return TouchedPart{normal * -1.0, false, Vector2(0, 0)};
        return std::nullopt;
    }
    const Vector2& end = projected > 0 ? line.m_b : line.m_a;
    if (centre.length(end) < 1 + EMBED_TOLERANCE)
        return TouchedPart{(end - centre).normalize(), true, end};
    return std::nullopt;
}

// Whether the point, moving along `direction`, passes the unit circle at
// `centre` within GRAZE_DEPTH of its tangent.
bool grazes(const Vector2& point, const Vector2& direction, const Vector2& centre) {
    const Vector2 toCentre = centre - point;
    const double along = toCentre.dotProduct(direction);
    const double squaredMiss = toCentre.dotProduct(toCentre) - along * along;
    return std::abs(1.0 - squaredMiss) < 2 * GRAZE_DEPTH;
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
    if (const std::optional<TouchedPart> touched = touchedPart(m.position, line, normal)) {
        const bool headsInto = m.direction.dotProduct(touched->towards) > HEADING_INTO;
        if (headsInto && !(touched->atEnd && grazes(touched->end, m.direction * -1.0, m.position)))
            return LineHit{0.0, m.position + touched->towards, touched->atEnd};
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
    const bool atEnd = !onSegment(planePoint, line);
    if (atEnd) {
        // Hit beside the segment: trace its nearer end backwards onto the circle.
        const Vector2 backwards = m.direction * -1.0;
        const Vector2& end = nearerEnd(line, planePoint);
        if (grazes(end, backwards, m.position))
            return std::nullopt;
        distance = rayTraceUnitCircle2(end, backwards, m.position);
        if (distance > -EMBED_TOLERANCE)
            circlePoint = end + backwards * distance;
    }

    // A hit a rounding step beyond the movement's end still counts, so that a
    // movement ending exactly on the line keeps the gap in front of it.
    if (distance > -EMBED_TOLERANCE && distance <= m.length + EMBED_TOLERANCE)
        return LineHit{distance, circlePoint, atEnd};
    return std::nullopt;
}

CollisionPoint contactAt(const Ellipsoid2& ellipse, const ScaledMovement& m, const LineHit& hit,
                         const Line2& worldLine) {
    // Built from the offset to the centre, so that a contact straight below
    // the centre lies exactly below it and its normal points exactly down.
    const Vector2 offset = hit.circlePoint - m.position;
    CollisionPoint point;
    point.m_inside = offset.length() < INSIDE_RADIUS;
    point.m_atEnd = hit.atEnd;
    point.m_position = ellipse.m_center + offset * ellipse.m_radius;
    point.m_line = worldLine;
    point.m_normal = (offset / ellipse.m_radius).normalize();
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

// Each taken hit lowers the bar to its distance less the gap kept free, and a
// later line must beat it strictly, so among lines hit within that gap of each
// other the earliest wins; the first hit always counts, even one a rounding
// step beyond the movement's end. The exception is a face hit within the gap
// of an end point taken before: at a joint the end point of the segment behind
// lies a hair's breadth further than the face underneath, and its tilted
// normal would steer a walk into the face.
bool takes(bool anyTaken, double closestDistance, double takenDistance, bool takenAtEnd,
           const LineHit& hit) {
    if (!anyTaken)
        return true;
    if (hit.distance < closestDistance)
        return true;
    return takenAtEnd && !hit.atEnd && hit.distance < takenDistance + PHYS_AWAY_DIST;
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
    // No movement touches nothing, not even a line the ellipse rests on.
    if (m.length == 0)
        return sweep;
    double closestDistance = m.length;
    double takenDistance = 0;
    bool takenAtEnd = false;
    for (const Line2& worldLine : lines) {
        const std::optional<LineHit> hit =
            traceLine(m, Line2(worldLine.m_a / radius, worldLine.m_b / radius));
        if (!hit || !takes(sweep.found, closestDistance, takenDistance, takenAtEnd, *hit))
            continue;
        closestDistance = std::min(closestDistance, hit->distance - PHYS_AWAY_DIST);
        takenDistance = hit->distance;
        takenAtEnd = hit->atEnd;
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
