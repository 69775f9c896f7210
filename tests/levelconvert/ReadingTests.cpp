// What exporters write that the game does not read, read by the converter
// and written so that the game reads the same surface: white space and line
// ends, comments and groups, long lines, every corner form, relative
// indices, and the files it cannot mend.
#include <gtest/gtest.h>

#include "ConversionTest.h"

namespace {

// The top of a block, 4 x 2 file units, lying in y = 0 across z = 0 and
// facing up: two collision lines (one a triangle), 512 square world units.
const char* const kTopCorners = "v 0 0 1\n"
                                "v 4 0 1\n"
                                "v 4 0 -1\n"
                                "v 0 0 -1\n";
const char* const kFourTexCoords = "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\n";

void expectTopOfBlock(const LevelData& level) {
    EXPECT_EQ(level.faces.size(), 2u);
    EXPECT_EQ(level.collisionLines.size(), 2u);
    EXPECT_DOUBLE_EQ(totalArea(level), 512.0);
    const Vector3 facing = facingSum(level);
    EXPECT_DOUBLE_EQ(facing.m_x, 0.0);
    EXPECT_DOUBLE_EQ(facing.m_y, 512.0);
    EXPECT_DOUBLE_EQ(facing.m_z, 0.0);
}

class Reading : public ConversionTest {
  protected:
    // Converts one text as "level.obj" and returns what was written.
    std::string convertText(const std::string& obj) {
        write("level.obj", obj);
        convert("level.obj");
        return writtenObj();
    }
};

TEST_F(Reading, EveryCornerFormGivesTheSameSurface) {
    for (const char* face : {"f 1 2 3 4\n", "f 1/1 2/2 3/3 4/4\n", "f 1//1 2//1 3//1 4//1\n",
                             "f 1/1/1 2/2/1 3/3/1 4/4/1\n"}) {
        SCOPED_TRACE(face);
        write("level.obj", std::string(kTopCorners) + kFourTexCoords + "vn 0 1 0\n" + face);
        expectTopOfBlock(convert("level.obj"));
    }
}

TEST_F(Reading, MissingNormalsFaceTheWayTheWindingSays) {
    write("level.obj", std::string(kTopCorners) + "f 1 2 3 4\nf 4 3 2 1\n");
    const LevelData level = convert("level.obj");
    ASSERT_EQ(level.faces.size(), 4u);
    const Vector3& up = level.normals[level.faces[0].normal[0]];
    const Vector3& down = level.normals[level.faces[2].normal[0]];
    EXPECT_EQ(up.m_x, 0.0);
    EXPECT_EQ(up.m_y, 1.0);
    EXPECT_EQ(up.m_z, 0.0);
    EXPECT_EQ(down.m_y, -1.0);
    EXPECT_EQ(report.mesh.normalsComputed, 2u);
}

TEST_F(Reading, MissingTextureCoordinatesArePlanarAlongTheFacesAxis) {
    // The face looks along y, so u and v are x and z over 16 file units.
    write("level.obj", std::string(kTopCorners) + "f 1 2 3 4\n");
    const LevelData level = convert("level.obj");
    ASSERT_EQ(level.faces.size(), 2u);
    bool sawCorner = false;
    for (const LevelFace& face : level.faces) {
        for (std::size_t i = 0; i < 3; ++i) {
            if (face.position[i] == 1) { // the file's (4, 0, 1)
                const Vector3& t = level.texCoords[face.texCoord[i]];
                EXPECT_EQ(t.m_x, 0.25);
                EXPECT_EQ(t.m_y, 0.0625);
                EXPECT_EQ(t.m_z, 0.0);
                sawCorner = true;
            }
        }
    }
    EXPECT_TRUE(sawCorner);
    EXPECT_EQ(report.mesh.texCoordsPlanar, 4u);
}

TEST_F(Reading, CrlfAndTabSeparatedTwinsGiveIdenticalOutput) {
    const std::string plain = std::string(kTopCorners) + kFourTexCoords + "vn 0 1 0\n" +
                              "usemtl none\nf 1/1/1 2/2/1 3/3/1 4/4/1\n";
    std::string crlf;
    for (char c : plain) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    std::string tabs;
    for (char c : plain) {
        tabs += c == ' ' ? std::string("\t \t") : std::string(1, c);
    }
    const std::string fromPlain = convertText(plain);
    EXPECT_EQ(convertText(crlf), fromPlain);
    EXPECT_EQ(convertText(tabs), fromPlain);
    EXPECT_EQ(report.read.positionsWithOneSpace, 4u);
}

TEST_F(Reading, NegativeIndicesGiveTheSameResultAsTheirAbsoluteTwin) {
    const std::string lists = std::string(kTopCorners) + kFourTexCoords + "vn 0 1 0\n";
    const std::string absolute = convertText(lists + "f 1/1/1 2/2/1 3/3/1 4/4/1\nf 4 3 2\n");
    EXPECT_EQ(convertText(lists + "f -4/-4/-1 -3/-3/-1 -2/-2/-1 -1/-1/-1\nf -1 -2 -3\n"), absolute);
    EXPECT_EQ(report.read.relativeIndices, 15u);
}

TEST_F(Reading, RelativeIndicesCountFromTheStatementTheyAreIn) {
    // The second face names the two corners written after the first one.
    write("level.obj", "v 0 0 -1\nv 1 0 1\nv 1 0 -1\nf -3 -2 -1\n"
                       "v 2 0 1\nv 2 0 -1\nf -4 -2 -1\n");
    const LevelData level = convert("level.obj");
    ASSERT_EQ(level.faces.size(), 2u);
    EXPECT_EQ(level.faces[1].position, (std::array<std::uint32_t, 3>{1, 3, 4}));
}

TEST_F(Reading, CommentsGroupsAndSmoothingSayNothing) {
    write("level.obj", std::string("# exported\n") + "o Block\ng top side\ns 1\nmg off\n" +
                           kTopCorners + "s off\nf 1 2 3 4 # the top\n");
    expectTopOfBlock(convert("level.obj"));
    EXPECT_TRUE(report.passedOver.empty());
}

TEST_F(Reading, StatementsTheGameCannotShowAreListed) {
    write("level.obj", std::string(kTopCorners) + "f 1 2 3 4\nl 1 2\np 3\n");
    expectTopOfBlock(convert("level.obj"));
    ASSERT_EQ(report.passedOver.size(), 2u);
    EXPECT_EQ(report.passedOver[0].line, 6u);
    EXPECT_EQ(report.passedOver[0].text, "l 1 2");
}

TEST_F(Reading, LinesOfAnyLengthAreRead) {
    const std::string padding(300, ' ');
    write("level.obj", "#" + std::string(400, '-') + "\n" + "v 0 0 1" + padding + "\n" + "v 4" +
                           padding + "0 1\nv 4 0 -1\nv 0 0 -1\nf 1 2 3 4" + padding + "\n");
    expectTopOfBlock(convert("level.obj"));
    EXPECT_EQ(report.read.longLines, 4u);
    // Nothing the game reads comes near its limit.
    const std::string written = writtenObj();
    for (std::size_t start = 0, end; start < written.size(); start = end + 1) {
        end = written.find('\n', start);
        EXPECT_LT(end - start, 100u);
    }
}

TEST_F(Reading, ContinuedLinesAreJoined) {
    write("level.obj", std::string(kTopCorners) + "f 1 2 \\\n  3 4\n");
    expectTopOfBlock(convert("level.obj"));
}

TEST_F(Reading, TextureCoordinatesOfOneOrTwoNumbersGetZeros) {
    write("level.obj", std::string(kTopCorners) + "vt 0.5\nvt 0.25 0.75\nf 1/1 2/2 3/1 4/2\n");
    const LevelData level = convert("level.obj");
    ASSERT_EQ(level.texCoords.size(), 2u);
    EXPECT_EQ(level.texCoords[0].m_x, 0.5);
    EXPECT_EQ(level.texCoords[0].m_y, 0.0);
    EXPECT_EQ(level.texCoords[1].m_y, 0.75);
    EXPECT_EQ(level.texCoords[1].m_z, 0.0);
    EXPECT_EQ(report.read.shortTexCoords, 2u);
}

class Refusal : public ConversionTest {
  protected:
    std::string errorOf(const std::string& obj) {
        write("level.obj", obj);
        try {
            convert("level.obj");
        } catch (const ConvertError& error) {
            return error.what();
        }
        return "";
    }
};

TEST_F(Refusal, NamesTheFileAndLineOfWhatCannotBeMended) {
    EXPECT_EQ(errorOf(std::string(kTopCorners) + "\nf 1 2 9\n"),
              "export/level.obj:6: a face refers to position 9, but only 4 are written above it");
    EXPECT_EQ(errorOf(std::string(kTopCorners) + "f 1 2 -5\n"),
              "export/level.obj:5: a face refers back to a position before the first one");
    EXPECT_EQ(errorOf(std::string(kTopCorners) + "f 0 1 2\n"),
              "export/level.obj:5: face indices count from 1");
    EXPECT_EQ(errorOf(std::string(kTopCorners) + "f 1/1 2/1 3/1\n"),
              "export/level.obj:5: a face refers to texture coordinate 1, but only 0 are "
              "written above it");
    EXPECT_EQ(errorOf(std::string(kTopCorners) + "f 1 2\n"),
              "export/level.obj:5: a face needs at least three corners");
    EXPECT_EQ(errorOf(std::string(kTopCorners) + "f 1/x 2 3\n"),
              "export/level.obj:5: a face corner is p, p/t, p//n or p/t/n");
    EXPECT_EQ(errorOf("v 1 2\n"), "export/level.obj:1: a position needs three numbers");
    EXPECT_EQ(errorOf("vn 1 2 x\n"), "export/level.obj:1: a normal needs three numbers");
    EXPECT_EQ(errorOf("v 1 nan 2\n"),
              "export/level.obj:1: a position has a number that is not finite");
    EXPECT_EQ(errorOf("v 1 1e39 2\n"),
              "export/level.obj:1: a position has a number that is not finite");
    EXPECT_EQ(errorOf("usemtl\n"), "export/level.obj:1: \"usemtl\" needs a material name");
}

TEST_F(Refusal, NamesAnInputThatCannotBeOpened) {
    try {
        convert("missing.obj");
        FAIL() << "a missing export converts";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "export/missing.obj: cannot be opened");
    }
}

} // namespace
