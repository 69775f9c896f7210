// Each OBJ statement as the game reads it, and the exact message that ends
// loading when one is malformed.
#include <gtest/gtest.h>

#include <cmath>

#include "LevelFiles.h"

namespace {

TEST_F(LevelReaderTest, MalformedStatementsEndLoadingWithTheirMessage) {
    const struct {
        const char* obj;
        const char* statement;
        const char* reason;
    } cases[] = {
        {"v  1 2\n", "v", "needs three numbers"},
        {"v  1 2 three\n", "v", "needs three numbers"},
        {"vn 0 1\n", "vn", "needs three numbers"},
        {"vt 0.5 0.5\n", "vt", "needs three numbers"},
        {"mtllib \n", "mtllib", "needs a name"},
        {"usemtl \t\n", "usemtl", "needs a name"},
        {"f 1/1/1 2/1/1\n", "f", "only triangles are read, found a face of 2 corners"},
        {"f 1/1/1 2/1/1 3/1/1 1/1/1\n", "f",
         "only triangles are read, found a face of 4 corners; levelconvert cuts larger faces "
         "into triangles"},
        {"f 7 1 6\n", "f", "each corner needs position/texture/normal indices, found `f 7 1 6`"},
        {"f 1//1 2//1 3//1\n", "f",
         "each corner needs position/texture/normal indices, found `f 1//1 2//1 3//1`"},
        {"f 1/1/1 2 /1/1 3/1/1\n", "f",
         "each corner needs position/texture/normal indices, found `f 1/1/1 2 /1/1 3/1/1`"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.obj);
        // The system's own message alone on its line, the reason below it.
        EXPECT_EQ(fatalErrorOf(std::string(kThreeCorners) + c.obj),
                  std::string("Error in file format -- ") + c.statement +
                      "\n  in level.obj, line 6: " + c.reason);
        EXPECT_EQ(failedAt.file, "level.obj");
        EXPECT_EQ(failedAt.line, 6u);
    }
}

TEST_F(LevelReaderTest, MissingObjGivesEmptyLevelWithoutMessage) {
    const LevelData level = readObjLevel("nowhere.obj", logger);
    EXPECT_TRUE(level.positions.empty());
    EXPECT_TRUE(level.faces.empty());
    EXPECT_TRUE(level.materials.empty());
    EXPECT_TRUE(logger.lines.empty());
}

TEST_F(LevelReaderTest, DirectoryGivenAsObjGivesEmptyLevel) {
    EXPECT_TRUE(readObjLevel(files.directory().c_str(), logger).positions.empty());
    EXPECT_TRUE(logger.lines.empty());
}

TEST_F(LevelReaderTest, PositionIsScaledByEightWithYFlipped) {
    const LevelData level = read("v  1 2 3\n");
    ASSERT_EQ(level.positions.size(), 1u);
    EXPECT_EQ(level.positions[0].m_x, 8.0);
    EXPECT_EQ(level.positions[0].m_y, -16.0);
    EXPECT_EQ(level.positions[0].m_z, 24.0);
}

TEST_F(LevelReaderTest, PositionIsScaledInSinglePrecision) {
    const LevelData level = read("v  0.1 0.3 -0.7\n");
    ASSERT_EQ(level.positions.size(), 1u);
    EXPECT_EQ(level.positions[0].m_x, static_cast<double>(8.0f * 0.1f));
    EXPECT_EQ(level.positions[0].m_y, static_cast<double>(-8.0f * 0.3f));
    EXPECT_EQ(level.positions[0].m_z, static_cast<double>(8.0f * -0.7f));
    EXPECT_NE(level.positions[0].m_x, 0.8);
}

TEST_F(LevelReaderTest, NormalsAndTextureCoordinatesAreStoredAsRead) {
    const LevelData level = read("vn 0 -1 0.25\nvt 0.1 2 -3\n");
    ASSERT_EQ(level.normals.size(), 1u);
    ASSERT_EQ(level.texCoords.size(), 1u);
    EXPECT_EQ(level.normals[0].m_y, -1.0);
    EXPECT_EQ(level.normals[0].m_z, 0.25);
    EXPECT_EQ(level.texCoords[0].m_x, static_cast<double>(0.1f));
    EXPECT_EQ(level.texCoords[0].m_z, -3.0);
}

TEST_F(LevelReaderTest, NumbersAreReadAsScanfReadsThem) {
    // Signs, exponents, hexadecimal, any white space between the numbers,
    // and whatever follows the third number is not looked at.
    const LevelData level = read("v  +1.5\t2e1   -0x1p1 and a remark\n");
    ASSERT_EQ(level.positions.size(), 1u);
    EXPECT_EQ(level.positions[0].m_x, 12.0);
    EXPECT_EQ(level.positions[0].m_y, -160.0);
    EXPECT_EQ(level.positions[0].m_z, -16.0);
}

TEST_F(LevelReaderTest, NumbersTooLargeForAFloatBecomeInfinite) {
    const LevelData level = read("vn 1e60 -1e60 1e-60\n");
    ASSERT_EQ(level.normals.size(), 1u);
    EXPECT_EQ(level.normals[0].m_x, HUGE_VAL);
    EXPECT_EQ(level.normals[0].m_y, -HUGE_VAL);
    EXPECT_EQ(level.normals[0].m_z, 0.0);
}

TEST_F(LevelReaderTest, FaceKeepsItsIndicesInWrittenOrderAndItsLine) {
    const LevelData level =
        read(std::string(kThreeCorners) + "vt 1 0 0\nvn 0 1 0\n\n# a face\nf 3/1/2 1/2/1 2/2/2\n");
    ASSERT_EQ(level.faces.size(), 1u);
    const LevelFace& face = level.faces[0];
    EXPECT_EQ(face.position, (std::array<std::uint32_t, 3>{2, 0, 1}));
    EXPECT_EQ(face.texCoord, (std::array<std::uint32_t, 3>{0, 1, 1}));
    EXPECT_EQ(face.normal, (std::array<std::uint32_t, 3>{1, 0, 1}));
    EXPECT_EQ(face.line, 10u);
    EXPECT_EQ(face.material, -1);
}

TEST_F(LevelReaderTest, SingleSpacePositionIsPassedOverAndReported) {
    const LevelData level = read("v 1 2 3\nv  4 5 6\n");
    ASSERT_EQ(level.positions.size(), 1u);
    EXPECT_EQ(level.positions[0].m_x, 32.0);
    ASSERT_EQ(level.ignored.size(), 1u);
    EXPECT_EQ(level.ignored[0].file, "level.obj");
    EXPECT_EQ(level.ignored[0].line, 1u);
    EXPECT_EQ(level.ignored[0].text, "v 1 2 3");
}

TEST_F(LevelReaderTest, FaceOnASingleSpacePositionIsOutOfRange) {
    EXPECT_EQ(fatalErrorOf("v 0 0 0\nv  0 0 0\nv  1 0 0\nvt 0 0 0\nvn 0 0 1\n"
                           "f 1/1/1 2/1/1 3/1/1\n"),
              "Error in file format -- f\n  in level.obj, line 6: position index 3 out of range "
              "(2 read so far)");
}

TEST_F(LevelReaderTest, OnlyStatementsThatCarryDataAreReportedWhenPassedOver) {
    const LevelData level = read("# exported\ng wall\no rock\ns 1\nvp 0.5\nl 1 2\nf\t1/1/1\n");
    std::vector<std::string> reported;
    for (const LevelFileLine& line : level.ignored) {
        reported.push_back(line.text);
    }
    EXPECT_EQ(reported, (std::vector<std::string>{"vp 0.5", "l 1 2", "f\t1/1/1"}));
}

} // namespace
