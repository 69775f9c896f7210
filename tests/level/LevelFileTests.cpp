// The level files as the game will meet them: read by its own reader and
// passed by the level checker without a warning (every line read, every face
// textured and inside the depths the view draws, every collision line inside
// the world, a floor under the start), faces wound to match their normals,
// and the same bytes from every build; and the collision lines the loader
// cuts at z = 0 close into outlines that face the open air. That every floor
// is reached from the start and walls close both ends is asked of the reach
// search, with the game's own movement, by the levelcheck route test; the
// kinds of ground the movement was made for are where the play-through's
// checkpoints put them.
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "BuiltLevel.h"
#include "LevelReport.h"
#include "level/LevelAssets.h"

namespace {

constexpr double kShared = 0.01; // world units between end points that meet
constexpr double kProbe = 0.5;   // world units off a line's midpoint

const std::vector<Line2>& lines() {
    return builtLevel().data.collisionLines;
}

bool near(const Vector2& a, const Vector2& b) {
    return std::abs(a.m_x - b.m_x) <= kShared && std::abs(a.m_y - b.m_y) <= kShared;
}

// Even-odd count of the lines crossed by a ray from p towards +x.
bool insideSolid(const Vector2& p) {
    bool inside = false;
    for (const Line2& l : lines()) {
        const Vector2 a = l.m_a, b = l.m_b;
        if ((a.m_y > p.m_y) != (b.m_y > p.m_y) &&
            p.m_x < (b.m_x - a.m_x) * (p.m_y - a.m_y) / (b.m_y - a.m_y) + a.m_x)
            inside = !inside;
    }
    return inside;
}

} // namespace

TEST(LevelFiles, PassesTheLevelCheckerCleanWithThousandsOfFaces) {
    const BuiltLevel& level = builtLevel();
    const CheckedLevel checked = checkLevel("legitLevel.obj");
    EXPECT_EQ(checked.status, kClean);
    EXPECT_GE(level.data.faces.size(), 3000u);
    ASSERT_EQ(level.data.materials.size(), 4u);
    for (const LevelMaterial& material : level.data.materials)
        EXPECT_EQ(level.sink.archive.count(material.texturePath), 1u) << material.texturePath;
}

TEST(LevelFiles, FacesAreWoundAroundUnitNormalsInsideTheWorld) {
    const LevelData& level = builtLevel().data;
    // Back to the file's own axes, where y grows upwards.
    const auto filePosition = [&level](std::uint32_t index) {
        const Vector3& p = level.positions[index];
        return Vector3(p.m_x, -p.m_y, p.m_z);
    };
    for (const LevelFace& face : level.faces) {
        const Vector3 a = filePosition(face.position[0]);
        const Vector3 winding =
            (filePosition(face.position[1]) - a).crossProduct(filePosition(face.position[2]) - a);
        for (std::uint32_t normal : face.normal) {
            const Vector3& n = level.normals[normal];
            ASSERT_NEAR(n.length(), 1.0, 1e-3) << "line " << face.line;
            ASSERT_GT(winding.dotProduct(n), 0) << "line " << face.line;
        }
    }
    for (const Vector3& p : level.positions)
        ASSERT_TRUE(p.m_x >= 0 && p.m_x <= 9000 && p.m_y >= 0 && p.m_y <= 9000)
            << p.m_x << ", " << p.m_y;
}

TEST(LevelFiles, BuildingTwiceGivesTheSameBytes) {
    MemorySink again;
    buildLevel(again);
    EXPECT_EQ(again.runDirectory, builtLevel().sink.runDirectory);
    EXPECT_EQ(again.archive, builtLevel().sink.archive);
}

TEST(LevelOutline, EveryLineJoinsItsNeighboursAndFacesOpenAirWithSolidBehind) {
    ASSERT_GT(lines().size(), 200u);
    for (const Line2& line : lines()) {
        bool continued = false, preceded = false;
        for (const Line2& other : lines()) {
            continued = continued || (&other != &line && near(other.m_a, line.m_b));
            preceded = preceded || (&other != &line && near(other.m_b, line.m_a));
        }
        const Vector2 m = (line.m_a + line.m_b) / 2;
        // The side of a line the open air is on.
        const Vector2 n = (line.m_b - line.m_a).rNormal().normalize();
        SCOPED_TRACE(testing::Message() << "line at " << m.m_x << ", " << m.m_y);
        ASSERT_TRUE(continued && preceded) << "the outline is open there";
        ASSERT_GT(line.m_a.length(line.m_b), 1.0);
        EXPECT_FALSE(insideSolid(m + n * kProbe)) << "solid in front";
        EXPECT_TRUE(insideSolid(m - n * kProbe)) << "air behind";
    }
}
