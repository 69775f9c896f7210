// Keeping contacts while an entity is held against the level, and filing them
// as floor and ceiling: what the walking code reads to pick its next step.
#include "Contacts.h"

#include <gtest/gtest.h>

namespace {

CollisionPoint pointAt(double x, double y) {
    CollisionPoint point;
    point.m_position = Vector2(x, y);
    return point;
}

// What the entity does with a search: a movement forgets the old contacts, a
// hit is kept.
struct HeldEntity {
    Ellipsoid2 ellipse;
    std::list<CollisionPoint> points;
    CollisionPointCache cache;

    double search(const Vector2& velocity, const std::vector<Line2>& lines) {
        const ContactSweep sweep = sweepEllipse(ellipse, velocity, lines);
        if (sweep.moved) {
            points.clear();
            cache.clear();
        }
        if (sweep.found)
            recordContact(points, cache, sweep.point, ellipse.m_center);
        return sweep.distance;
    }
};

TEST(HeldAgainstLines, RepeatedSearchesKeepOneContact) {
    HeldEntity entity{Ellipsoid2(Vector2(0, 0), Vector2(16, 32)), {}, {}};
    const std::vector<Line2> floor = {Line2(Vector2(100, 32.001), Vector2(-100, 32.001))};
    for (int tick = 0; tick < 5; ++tick)
        EXPECT_EQ(entity.search(Vector2(0, 0.5), floor), 0);
    EXPECT_EQ(entity.points.size(), 1u);
    ASSERT_NE(entity.cache.m_collisionBottomMostFloor, nullptr);
    EXPECT_EQ(entity.cache.m_collisionBottomMostFloor, &entity.points.front());
}

TEST(HeldAgainstLines, ContactsAccumulateUntilTheEntityMoves) {
    // Standing in a corner: the floor below and a wall to the right.
    HeldEntity entity{Ellipsoid2(Vector2(0, 0), Vector2(16, 32)), {}, {}};
    const std::vector<Line2> corner = {Line2(Vector2(100, 32.001), Vector2(-100, 32.001)),
                                       Line2(Vector2(16.001, -100), Vector2(16.001, 100))};
    EXPECT_EQ(entity.search(Vector2(0, 1), corner), 0);
    EXPECT_EQ(entity.search(Vector2(1, 0), corner), 0);
    ASSERT_EQ(entity.points.size(), 2u);
    EXPECT_EQ(entity.cache.m_collisionBottomMostFloor, &entity.points.front());
    // The wall contact is level with the centre: floor and ceiling at once.
    EXPECT_EQ(entity.cache.m_collisionRightMostFloor, &entity.points.back());
    EXPECT_EQ(entity.cache.m_collisionRightMostCeiling, &entity.points.back());
    EXPECT_EQ(entity.cache.m_collisionLeftMostFloor, &entity.points.front());

    EXPECT_GT(entity.search(Vector2(-1, 0), corner), 0);
    EXPECT_TRUE(entity.points.empty());
    EXPECT_EQ(entity.cache.m_collisionBottomMostFloor, nullptr);
}

TEST(RecordContact, PointsWithinTheEpsilonInBothAxesAreOne) {
    std::list<CollisionPoint> points;
    CollisionPointCache cache;
    const Vector2 centre(0, 0);
    EXPECT_TRUE(recordContact(points, cache, pointAt(5, 10), centre));
    EXPECT_FALSE(recordContact(points, cache, pointAt(5.1, 10.1), centre));
    EXPECT_FALSE(recordContact(points, cache, pointAt(4.9, 9.9), centre));
    EXPECT_TRUE(recordContact(points, cache, pointAt(5.3, 10), centre));
    EXPECT_TRUE(recordContact(points, cache, pointAt(5, 10.3), centre));
    EXPECT_EQ(points.size(), 3u);
}

TEST(RecordContact, OnlyAppendedPointsAreCached) {
    std::list<CollisionPoint> points;
    CollisionPointCache cache;
    recordContact(points, cache, pointAt(0, 10), Vector2(0, 0));
    // A duplicate further down would otherwise become the bottom-most floor.
    recordContact(points, cache, pointAt(0.05, 10.05), Vector2(0, 0));
    ASSERT_NE(cache.m_collisionBottomMostFloor, nullptr);
    EXPECT_EQ(cache.m_collisionBottomMostFloor->m_position.m_y, 10);
}

TEST(ContactClassification, EmptyCacheHoldsNothing) {
    CollisionPointCache cache;
    EXPECT_EQ(cache.m_collisionLeftMostFloor, nullptr);
    EXPECT_EQ(cache.m_collisionRightMostFloor, nullptr);
    EXPECT_EQ(cache.m_collisionLeftMostCeiling, nullptr);
    EXPECT_EQ(cache.m_collisionRightMostCeiling, nullptr);
    EXPECT_EQ(cache.m_collisionBottomMostFloor, nullptr);
}

TEST(ContactClassification, PointBelowTheCentreIsFloorOnly) {
    CollisionPointCache cache;
    const CollisionPoint below = pointAt(3, 10.11);
    cache.cache(&below, Vector2(0, 10));
    EXPECT_EQ(cache.m_collisionLeftMostFloor, &below);
    EXPECT_EQ(cache.m_collisionRightMostFloor, &below);
    EXPECT_EQ(cache.m_collisionBottomMostFloor, &below);
    EXPECT_EQ(cache.m_collisionLeftMostCeiling, nullptr);
    EXPECT_EQ(cache.m_collisionRightMostCeiling, nullptr);
}

TEST(ContactClassification, PointAboveTheCentreIsCeilingOnly) {
    CollisionPointCache cache;
    const CollisionPoint above = pointAt(3, 9.89);
    cache.cache(&above, Vector2(0, 10));
    EXPECT_EQ(cache.m_collisionLeftMostCeiling, &above);
    EXPECT_EQ(cache.m_collisionRightMostCeiling, &above);
    EXPECT_EQ(cache.m_collisionLeftMostFloor, nullptr);
    EXPECT_EQ(cache.m_collisionBottomMostFloor, nullptr);
}

TEST(ContactClassification, PointLevelWithTheCentreIsFloorAndCeiling) {
    for (double y : {9.9, 10.0, 10.1}) {
        CollisionPointCache cache;
        const CollisionPoint level = pointAt(3, y);
        cache.cache(&level, Vector2(0, 10));
        EXPECT_EQ(cache.m_collisionLeftMostCeiling, &level) << y;
        EXPECT_EQ(cache.m_collisionRightMostCeiling, &level) << y;
        EXPECT_EQ(cache.m_collisionLeftMostFloor, &level) << y;
        EXPECT_EQ(cache.m_collisionRightMostFloor, &level) << y;
        EXPECT_EQ(cache.m_collisionBottomMostFloor, &level) << y;
    }
}

TEST(ContactClassification, ExtremesFollowTheirSide) {
    CollisionPointCache cache;
    const Vector2 centre(0, 0);
    const CollisionPoint middle = pointAt(0, 5), left = pointAt(-4, 3), right = pointAt(4, 3),
                         deep = pointAt(1, 8);
    for (const CollisionPoint* point : {&middle, &left, &right, &deep})
        cache.cache(point, centre);
    EXPECT_EQ(cache.m_collisionLeftMostFloor, &left);
    EXPECT_EQ(cache.m_collisionRightMostFloor, &right);
    EXPECT_EQ(cache.m_collisionBottomMostFloor, &deep);

    const CollisionPoint headLeft = pointAt(-2, -5), headRight = pointAt(6, -3);
    cache.cache(&headLeft, centre);
    cache.cache(&headRight, centre);
    EXPECT_EQ(cache.m_collisionLeftMostCeiling, &headLeft);
    EXPECT_EQ(cache.m_collisionRightMostCeiling, &headRight);
    EXPECT_EQ(cache.m_collisionRightMostFloor, &right);
}

TEST(ContactClassification, OnEqualCoordinatesTheFirstPointStays) {
    CollisionPointCache cache;
    const Vector2 centre(0, 0);
    const CollisionPoint first = pointAt(2, 5), second = pointAt(2, 5);
    cache.cache(&first, centre);
    cache.cache(&second, centre);
    EXPECT_EQ(cache.m_collisionLeftMostFloor, &first);
    EXPECT_EQ(cache.m_collisionRightMostFloor, &first);
    EXPECT_EQ(cache.m_collisionBottomMostFloor, &first);

    const CollisionPoint roofA = pointAt(-2, -5), roofB = pointAt(-2, -5);
    cache.cache(&roofA, centre);
    cache.cache(&roofB, centre);
    EXPECT_EQ(cache.m_collisionLeftMostCeiling, &roofA);
    EXPECT_EQ(cache.m_collisionRightMostCeiling, &roofA);
}

TEST(ContactClassification, ClearForgetsEveryExtreme) {
    CollisionPointCache cache;
    const CollisionPoint level = pointAt(0, 0);
    cache.cache(&level, Vector2(0, 0));
    cache.clear();
    EXPECT_EQ(cache.m_collisionLeftMostFloor, nullptr);
    EXPECT_EQ(cache.m_collisionRightMostFloor, nullptr);
    EXPECT_EQ(cache.m_collisionLeftMostCeiling, nullptr);
    EXPECT_EQ(cache.m_collisionRightMostCeiling, nullptr);
    EXPECT_EQ(cache.m_collisionBottomMostFloor, nullptr);
}

} // namespace
