// The level files as the game will meet them: read by its own reader and
// passed by the level checker without a warning (every line read, every face
// textured, every collision line inside the world, a floor under the start),
// faces wound to match their normals, everything inside the visible depth,
// and the same bytes from every build.
#include <gtest/gtest.h>

#include "BuiltLevel.h"
#include "LevelReport.h"
#include "level/LevelAssets.h"

TEST(LevelFiles, PassesTheLevelCheckerCleanWithThousandsOfFaces) {
    const BuiltLevel& level = builtLevel();
    const CheckedLevel checked = checkLevel("legitLevel.obj");
    EXPECT_EQ(checked.status, kClean);
    EXPECT_GE(level.data.faces.size(), 3000u);
    ASSERT_EQ(level.data.materials.size(), 4u);
    for (const LevelMaterial& material : level.data.materials)
        EXPECT_EQ(level.sink.archive.count(material.texturePath), 1u) << material.texturePath;
}

TEST(LevelFiles, FacesAreWoundAroundUnitNormalsInsideTheWorldAndVisibleDepth) {
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
    for (const Vector3& p : level.positions) {
        const bool inside = p.m_x >= 0 && p.m_x <= 9000 && p.m_y >= 0 && p.m_y <= 9000 &&
                            p.m_z >= -212.5 * 8 && p.m_z <= 112.5 * 8;
        ASSERT_TRUE(inside) << p.m_x << ", " << p.m_y << ", " << p.m_z;
    }
}

TEST(LevelFiles, BuildingTwiceGivesTheSameBytes) {
    MemorySink again;
    buildLevel(again);
    EXPECT_EQ(again.runDirectory, builtLevel().sink.runDirectory);
    EXPECT_EQ(again.archive, builtLevel().sink.archive);
}
