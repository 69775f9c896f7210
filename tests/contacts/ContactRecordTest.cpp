// Keeping the contacts found while an entity is held against the level, and
// filing them as floor and ceiling: what the walking code reads to pick its
// next step. What the sweep finds in a corner is the sweep cases' concern.
#include "Contacts.h"

#include <array>
#include <gtest/gtest.h>

namespace {

// Left-most floor, right-most floor, left-most ceiling, right-most ceiling,
// bottom-most floor.
using Slots = std::array<const CollisionPoint*, 5>;

Slots slotsOf(const CollisionPointCache& cache) {
    return {cache.m_collisionLeftMostFloor, cache.m_collisionRightMostFloor,
            cache.m_collisionLeftMostCeiling, cache.m_collisionRightMostCeiling,
            cache.m_collisionBottomMostFloor};
}

CollisionPoint pointAt(const Vector2& at) {
    CollisionPoint point;
    point.m_position = at;
    return point;
}

TEST(RecordContact, PointsWithinTheEpsilonInBothAxesAreOneAndOnlyNewOnesAreFiled) {
    std::list<CollisionPoint> points;
    CollisionPointCache cache;
    const Vector2 centre(0, 0);
    EXPECT_TRUE(recordContact(points, cache, pointAt(Vector2(5, 10)), centre));
    // A repeat further down would otherwise become the bottom-most floor.
    EXPECT_FALSE(recordContact(points, cache, pointAt(Vector2(5.1, 10.1)), centre));
    EXPECT_FALSE(recordContact(points, cache, pointAt(Vector2(4.9, 9.9)), centre));
    EXPECT_EQ(cache.m_collisionBottomMostFloor->m_position.m_y, 10);
    EXPECT_TRUE(recordContact(points, cache, pointAt(Vector2(5.3, 10)), centre));
    EXPECT_TRUE(recordContact(points, cache, pointAt(Vector2(5, 10.3)), centre));
    EXPECT_EQ(points.size(), 3u);
}

struct Filing {
    const char* name;
    Vector2 centre;
    std::vector<Vector2> points;
    // Per slot, the index of the point filed there; -1 for none.
    std::array<int, 5> filed;
};

TEST(ContactClassification, PointsAreFiledByTheirSideOfTheCentreAndTheirExtremes) {
    // clang-format off
    const Filing filings[] = {
        {"below the centre: floor only", Vector2(0, 10), {{3, 10.11}}, {0, 0, -1, -1, 0}},
        {"above the centre: ceiling only", Vector2(0, 10), {{3, 9.89}}, {-1, -1, 0, 0, -1}},
        {"level, 0.1 below", Vector2(0, 0), {{3, 0.1}}, {0, 0, 0, 0, 0}},
        {"level, 0.1 above", Vector2(0, 0), {{3, -0.1}}, {0, 0, 0, 0, 0}},
        {"extremes of each side", Vector2(0, 0),
         {{0, 5}, {-4, 3}, {4, 3}, {1, 8}, {-2, -5}, {6, -3}}, {1, 2, 4, 5, 3}},
        {"equal coordinates keep the first", Vector2(0, 0), {{2, 5}, {2, 5}, {-2, -5}, {-2, -5}},
         {0, 0, 2, 2, 0}},
    };
    // clang-format on
    for (const Filing& filing : filings) {
        std::vector<CollisionPoint> points;
        for (const Vector2& at : filing.points)
            points.push_back(pointAt(at));
        CollisionPointCache cache;
        for (const CollisionPoint& point : points)
            cache.cache(&point, filing.centre);
        Slots expected{};
        for (std::size_t slot = 0; slot < expected.size(); ++slot)
            expected[slot] = filing.filed[slot] < 0 ? nullptr : &points[filing.filed[slot]];
        EXPECT_EQ(slotsOf(cache), expected) << filing.name;
        cache.clear();
        EXPECT_EQ(slotsOf(cache), Slots{}) << filing.name << ", cleared";
    }
}

} // namespace
