// The contact search of entities: an axis-aligned ellipse swept along a
// movement against the level's one-sided collision lines, and the bookkeeping
// of the contacts found. Pure functions over values, so that the search can be
// tested and timed apart from the map and its chunks; Entity::findContacts
// fetches the lines and keeps the contacts.
#pragma once

#include "Util/Angles.h"
#include "Util/Shapes.h"
#include "Util/Vector2.h"

#include <list>
#include <vector>

// Physics constants shared by the world and the character code. Distances in
// the sweep are in scaled units, where the entity's ellipse is the unit circle.
// A kept distance at most this long is no movement at all.
constexpr double PHYS_ZERO = 1e-7;
// The gap a sweep keeps free in front of the line it hits.
constexpr double PHYS_AWAY_DIST = 0.0001;
// Contacts closer than this in both x and y (world units) are the same contact.
constexpr double PHYS_COLL_EPSILON = 0.1;
constexpr double PHYS_DIR_EPSILON = 0.1;

struct CollisionPoint {
    // The point of the entity's ellipse (where it stood when searched) that
    // touches the line, world units.
    Vector2 m_position;
    // Outward unit normal of the ellipse at m_position.
    Vector2 m_normal;
    // Degrees(m_normal): about 270 for a contact below the centre.
    Degrees m_normalDirection;
    // The line touched, world units.
    Line2 m_line;
    // The contact point lay inside the scaled unit circle by more than 0.0001.
    bool m_inside = false;
    // The ellipse touches one of m_line's end points, not its face: a corner
    // of the outline, where the contact's normal says nothing about the
    // surface on either side.
    bool m_atEnd = false;
};

// The extreme contacts among an entity's contact list, which the character
// code reads to decide between standing, walking up a slope and falling. The
// pointers refer into that list and are cleared together with it.
class CollisionPointCache {
  public:
    CollisionPointCache();
    void clear();
    // Files newPoint as floor (below ellipseOrigin), ceiling (above) or both
    // (level with it within PHYS_COLL_EPSILON); on equal coordinates the point
    // already held stays.
    void cache(const CollisionPoint* newPoint, const Vector2& ellipseOrigin);

    const CollisionPoint* m_collisionLeftMostFloor;
    const CollisionPoint* m_collisionRightMostFloor;
    const CollisionPoint* m_collisionLeftMostCeiling;
    const CollisionPoint* m_collisionRightMostCeiling;
    const CollisionPoint* m_collisionBottomMostFloor;
};

struct ContactSweep {
    // World units the ellipse may move along the velocity; exactly 0 when it
    // is blocked, never more than the velocity's length.
    double distance = 0.0;
    // The kept distance exceeded PHYS_ZERO: the entity moves, so the contacts
    // found before no longer hold.
    bool moved = false;
    // A line was hit within the movement; point describes the contact.
    bool found = false;
    CollisionPoint point;
};

// Sweeps `ellipse` along `velocity` (world units) against `lines`, colliding
// with their front sides only (the side rNormal(m_b - m_a) points to). The
// order of `lines` decides ties: among lines hit within PHYS_AWAY_DIST of each
// other the earliest wins, except that a face beats an end point. A line the ellipse already
// touches or overlaps blocks a movement into it at once and lets a movement away from it go.
ContactSweep sweepEllipse(const Ellipsoid2& ellipse, const Vector2& velocity,
                          const std::vector<Line2>& lines);

// Appends `found` to `points` unless a point within PHYS_COLL_EPSILON of it in
// x and y is there already, and files the appended point in `cache`. Returns
// whether it appended. A std::list, so that the cache's pointers stay valid.
bool recordContact(std::list<CollisionPoint>& points, CollisionPointCache& cache,
                   const CollisionPoint& found, const Vector2& ellipseCentre);
