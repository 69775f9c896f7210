// Each OBJ statement as the game reads it, and the exact message that ends
// loading when one in the level or its material library is malformed or a
// face index lies outside the lists.
#include <gtest/gtest.h>

#include <cmath>

#include "LevelFiles.h"

namespace {

struct Refusal {
    std::string obj;
    const char* statement;
    std::size_t line;
    std::string reason;
    std::string mtl = ""; // given: the refusal is in "level.mtl"
};

const std::string kThree = kThreeCorners;
const std::string kRange = " out of range (";

const Refusal REFUSALS[] = {
    {kThree + "v  1 2\n", "v", 6, "needs three numbers"},
    {kThree + "v  1 2 three\n", "v", 6, "needs three numbers"},
    {kThree + "vn 0 1\n", "vn", 6, "needs three numbers"},
    {kThree + "vt 0.5 0.5\n", "vt", 6, "needs three numbers"},
    {kThree + "mtllib \n", "mtllib", 6, "needs a name"},
    {kThree + "usemtl \t\n", "usemtl", 6, "needs a name"},
    {kThree + "f 1/1/1 2/1/1\n", "f", 6, "only triangles are read, found a face of 2 corners"},
    {kThree + "f 1/1/1 2/1/1 3/1/1 1/1/1\n", "f", 6,
     "only triangles are read, found a face of 4 corners; levelconvert cuts larger faces into "
     "triangles"},
    {kThree + "f 7 1 6\n", "f", 6,
     "each corner needs position/texture/normal indices, found `f 7 1 6`"},
    {kThree + "f 1//1 2//1 3//1\n", "f", 6,
     "each corner needs position/texture/normal indices, found `f 1//1 2//1 3//1`"},
    {kThree + "f 1/1/1 2 /1/1 3/1/1\n", "f", 6,
     "each corner needs position/texture/normal indices, found `f 1/1/1 2 /1/1 3/1/1`"},
    // Face indices the format leaves unbounded are refused before any corner
    // is looked up, each outside the lists read so far, naming the list.
    {kThree + "f 0/1/1 2/1/1 3/1/1\n", "f", 6,
     "position index 0" + kRange + "3 read so far; indices count from 1)"},
    {kThree + "f 1/1/1 2/0/1 3/1/1\n", "f", 6,
     "texture coordinate index 0" + kRange + "1 read so far; indices count from 1)"},
    {kThree + "f 1/1/1 2/1/1 3/1/0\n", "f", 6,
     "normal index 0" + kRange + "1 read so far; indices count from 1)"},
    {kThree + "f 1/1/1 2/2/1 3/1/1\n", "f", 6,
     "texture coordinate index 2" + kRange + "1 read so far)"},
    // A corner defined only after the face does not count, nor one written
    // with a single space.
    {kThree + "f 1/1/1 2/1/1 4/1/1\nv  0 0 0\n", "f", 6,
     "position index 4" + kRange + "3 read so far)"},
    {kThree + "v 0 0 0\nf 1/1/1 2/1/1 4/1/1\n", "f", 7,
     "position index 4" + kRange + "3 read so far)"},
    {kThree + "f -3/-1/-1 -2/-1/-1 -1/-1/-1\n", "f", 6, "negative (relative) indices are not read"},
    // Read without overflowing.
    {kThree + "f 1/1/1 2/1/1 99999999999999999999999/1/1\n", "f", 6,
     "position index 999999999999999999" + kRange + "3 read so far)"},
    // Blank lines and comments count; a NUL ends the statement.
    {"\n\n# comment\n\n   v  1 2\n", "v", 5, "needs three numbers"},
    {std::string("v  1 2\0 3\n", 10), "v", 1, "needs three numbers"},
    {"mtllib level.mtl\n", "newmtl", 2, "needs a name", "newmtl rock\nnewmtl \n"},
    {"mtllib level.mtl\n", "map_Ka", 3, "needs a name", "newmtl rock\n\nmap_Ka  \n"},
};

// The system's own message alone on its line, the file, line and reason
// below it.
TEST_F(LevelReaderTest, MalformedStatementsEndLoadingWithTheirMessage) {
    for (const Refusal& row : REFUSALS) {
        SCOPED_TRACE(row.obj + row.mtl);
        const std::string file = row.mtl.empty() ? "level.obj" : "level.mtl";
        EXPECT_EQ(fatalErrorOf(row.obj, row.mtl), std::string("Error in file format -- ") +
                                                      row.statement + "\n  in " + file + ", line " +
                                                      std::to_string(row.line) + ": " + row.reason);
        EXPECT_EQ(failedAt.file, file);
        EXPECT_EQ(failedAt.line, row.line);
    }
}

TEST_F(LevelReaderTest, MissingObjOrADirectoryGivesAnEmptyLevelWithoutMessage) {
    for (const std::string& path : {std::string("nowhere.obj"), files.directory()}) {
        const LevelData level = readObjLevel(path.c_str(), logger);
        EXPECT_TRUE(level.positions.empty() && level.faces.empty() && level.materials.empty())
            << path;
        EXPECT_TRUE(logger.lines.empty()) << path;
    }
}

// Positions are scaled by eight in single precision with y flipped; normals
// and texture coordinates are stored as read. Numbers are read as "%f" reads
// them, with any white space between them, and whatever follows the third
// one is not looked at.
TEST_F(LevelReaderTest, EachVectorStatementStoresItsNumbers) {
    const struct {
        const char* statement;
        std::vector<Vector3> LevelData::*list;
        double x, y, z;
    } rows[] = {
        {"v  1 2 3", &LevelData::positions, 8, -16, 24},
        {"v  0.1 0.3 -0.7", &LevelData::positions, 8.0f * 0.1f, -8.0f * 0.3f, 8.0f * -0.7f},
        {"vn 0 -1 0.25", &LevelData::normals, 0, -1, 0.25},
        {"vt 0.1 2 -3", &LevelData::texCoords, 0.1f, 2, -3},
        {"v  +1.5\t2e1   -0x1p1 and a remark", &LevelData::positions, 12, -160, -16},
        {"vn 1e60 -1e60 1e-60", &LevelData::normals, HUGE_VAL, -HUGE_VAL, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.statement);
        const std::vector<Vector3> stored = read(row.statement + std::string("\n")).*row.list;
        ASSERT_EQ(stored.size(), 1u);
        EXPECT_EQ(std::vector<double>({stored[0].m_x, stored[0].m_y, stored[0].m_z}),
                  std::vector<double>({row.x, row.y, row.z}));
    }
}

// The last entry of each list is a valid index.
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

// A position written with one space after "v" is no position to the game:
// it is reported as passed over, and faces count without it.
TEST_F(LevelReaderTest, OnlyStatementsThatCarryDataAreReportedWhenPassedOver) {
    const LevelData level =
        read("# exported\ng wall\no rock\ns 1\nvp 0.5\nl 1 2\nf\t1/1/1\nv 1 2 3\nv  4 5 6\n");
    std::string reported;
    for (const LevelFileLine& line : level.ignored)
        reported += line.file + ":" + std::to_string(line.line) + ": " + line.text + "\n";
    EXPECT_EQ(
        reported,
        "level.obj:5: vp 0.5\nlevel.obj:6: l 1 2\nlevel.obj:7: f\t1/1/1\nlevel.obj:8: v 1 2 3\n");
    ASSERT_EQ(level.positions.size(), 1u);
    EXPECT_EQ(level.positions[0].m_x, 32.0);
}

} // namespace
