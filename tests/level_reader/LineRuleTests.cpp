// How a level file is cut into statements: white space and blank lines
// skipped, at most 255 characters, and a longer line silently ending the
// file where it stands.
#include <gtest/gtest.h>

#include "LevelFiles.h"

namespace {

// A position statement padded with trailing spaces to exactly `length`.
std::string positionOfLength(std::size_t length) {
    std::string line = "v  1 2 3";
    line.resize(length, ' ');
    return line;
}

TEST_F(LevelReaderTest, OverlongLineEndsReadingWithoutError) {
    const std::string longComment = "# " + std::string(298, 'x');
    const LevelData level = read("v  1 1 1\n" + longComment + "\nv  2 2 2\nf broken\n");
    EXPECT_EQ(level.positions.size(), 1u);
    EXPECT_TRUE(logger.lines.empty());
    ASSERT_EQ(level.cutShort.size(), 1u);
    EXPECT_EQ(level.cutShort[0].line, 2u);
    EXPECT_EQ(level.cutShort[0].text.size(), 255u);
}

TEST_F(LevelReaderTest, LineOf255CharactersIsTheLongestRead) {
    EXPECT_EQ(read(positionOfLength(255) + "\nv  4 5 6\n").positions.size(), 2u);
    EXPECT_EQ(read(positionOfLength(256) + "\nv  4 5 6\n").positions.size(), 0u);
}

TEST_F(LevelReaderTest, LastLineNeedsNoLineEnd) {
    EXPECT_EQ(read("v  1 1 1\n" + positionOfLength(255)).positions.size(), 2u);
    EXPECT_EQ(read("v  1 1 1\n" + positionOfLength(256)).positions.size(), 1u);
}

TEST_F(LevelReaderTest, LeadingWhiteSpaceDoesNotCountTowardsTheLimit) {
    EXPECT_EQ(read(std::string(300, ' ') + positionOfLength(255) + "\n").positions.size(), 1u);
}

TEST_F(LevelReaderTest, BlankLinesAndIndentationAreSkipped) {
    const LevelData level = read("\n\n   \t v  1 1 1\r\n\r\n  vt 0.5 0.5 0\r\n");
    EXPECT_EQ(level.positions.size(), 1u);
    ASSERT_EQ(level.texCoords.size(), 1u);
    EXPECT_EQ(level.texCoords[0].m_y, 0.5);
}

TEST_F(LevelReaderTest, LineNumbersCountEveryLineOfTheFile) {
    EXPECT_EQ(fatalErrorOf("\n\n# comment\n\n   v  1 2\n"),
              "Error in file format -- v\n  in level.obj, line 5: needs three numbers");
    EXPECT_EQ(failedAt.line, 5u);
}

TEST_F(LevelReaderTest, NulCharacterEndsTheStatement) {
    EXPECT_EQ(fatalErrorOf(std::string("v  1 2\0 3\n", 10)),
              "Error in file format -- v\n  in level.obj, line 1: needs three numbers");
    const LevelData level = read(std::string("\0v  1 2 3\nv  4 5 6\n", 19));
    EXPECT_EQ(level.positions.size(), 1u);
    EXPECT_TRUE(level.ignored.empty());
}

} // namespace
