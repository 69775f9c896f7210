// The level files as the loader will meet them: only statements it reads,
// indices it can follow, faces wound to match their normals, and everything
// inside the world and the visible depth.
#include <gtest/gtest.h>

#include <cmath>

#include "BuiltLevel.h"
#include "level/LevelAssets.h"

namespace {

FileVec3 minus(const FileVec3& a, const FileVec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

FileVec3 crossProduct(const FileVec3& a, const FileVec3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double dotProduct(const FileVec3& a, const FileVec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

const FileVec3& at(const std::vector<FileVec3>& list, int oneBased) {
    return list[static_cast<std::size_t>(oneBased - 1)];
}

} // namespace

TEST(LevelFiles, EveryLineIsOneTheLoaderReads) {
    const BuiltLevel& level = builtLevel();
    EXPECT_TRUE(level.obj.problems.empty()) << level.obj.problems.front();
    EXPECT_TRUE(level.mtl.problems.empty()) << level.mtl.problems.front();
    ASSERT_EQ(level.obj.materialLibraries.size(), 1u);
    EXPECT_EQ(level.obj.materialLibraries[0], "legitLevel.mtl");
}

TEST(LevelFiles, HasAtLeastThreeThousandTriangles) {
    EXPECT_GE(builtLevel().obj.faces.size(), 3000u);
}

TEST(LevelFiles, EveryFaceUsesAMaterialWithATextureInTheArchive) {
    const BuiltLevel& level = builtLevel();
    for (const ReadFace& face : level.obj.faces) {
        bool named = false;
        for (const ReadMaterial& material : level.mtl.materials) {
            named = named || material.name == face.material;
        }
        ASSERT_TRUE(named) << "line " << face.line << " uses '" << face.material << "'";
    }
    for (const ReadMaterial& material : level.mtl.materials) {
        EXPECT_EQ(level.sink.archive.count(material.texture), 1u) << material.texture;
    }
}

TEST(LevelFiles, FacesAreWoundCounterClockwiseAroundUnitNormals) {
    const ReadLevel& obj = builtLevel().obj;
    for (const ReadFace& face : obj.faces) {
        const FileVec3& a = at(obj.positions, face.position[0]);
        const FileVec3 winding = crossProduct(minus(at(obj.positions, face.position[1]), a),
                                              minus(at(obj.positions, face.position[2]), a));
        for (int corner = 0; corner < 3; ++corner) {
            const FileVec3& n = at(obj.normals, face.normal[corner]);
            ASSERT_NEAR(std::sqrt(dotProduct(n, n)), 1.0, 1e-3) << "line " << face.line;
            ASSERT_GT(dotProduct(winding, n), 0) << "line " << face.line;
        }
    }
}

TEST(LevelFiles, StaysInsideTheWorldAndTheVisibleDepth) {
    const ReadLevel& obj = builtLevel().obj;
    for (std::size_t i = 0; i < obj.positions.size(); ++i) {
        const FileVec3& world = obj.worldPositions[i];
        ASSERT_GE(obj.positions[i].z, -212.5) << "position " << i + 1;
        ASSERT_LE(obj.positions[i].z, 112.5) << "position " << i + 1;
        ASSERT_GE(world.x, 0.0) << "position " << i + 1;
        ASSERT_LE(world.x, 9000.0) << "position " << i + 1;
        ASSERT_GE(world.y, 0.0) << "position " << i + 1;
        ASSERT_LE(world.y, 9000.0) << "position " << i + 1;
    }
}

TEST(LevelFiles, BuildingTwiceGivesTheSameBytes) {
    MemorySink again;
    buildLevel(again);
    EXPECT_EQ(again.runDirectory, builtLevel().sink.runDirectory);
    EXPECT_EQ(again.archive, builtLevel().sink.archive);
}
