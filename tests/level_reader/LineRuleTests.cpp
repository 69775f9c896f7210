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

// A line cut short is remembered with its first 255 characters; nothing is
// logged.
TEST_F(LevelReaderTest, LinesUpTo255CharactersAreReadAndALongerOneEndsTheFile) {
    const struct {
        const char* name;
        std::string text;
        std::size_t positions;
        std::size_t cutAtLine; // 0: read to the end
    } rows[] = {
        {"255 characters", positionOfLength(255) + "\nv  4 5 6\n", 2, 0},
        {"256 characters", positionOfLength(256) + "\nv  4 5 6\n", 0, 1},
        {"255 without a line end", "v  1 1 1\n" + positionOfLength(255), 2, 0},
        {"256 without a line end", "v  1 1 1\n" + positionOfLength(256), 1, 2},
        {"a long comment", "v  1 1 1\n# " + std::string(298, 'x') + "\nv  2 2 2\nf broken\n", 1, 2},
        {"leading white space does not count", std::string(300, ' ') + positionOfLength(255), 1, 0},
        {"a NUL first passes the line over", std::string("\0v  1 2 3\nv  4 5 6\n", 19), 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const LevelData level = read(row.text);
        EXPECT_EQ(level.positions.size(), row.positions);
        EXPECT_TRUE(level.ignored.empty());
        EXPECT_TRUE(logger.lines.empty());
        ASSERT_EQ(level.cutShort.size(), row.cutAtLine > 0 ? 1u : 0u);
        if (row.cutAtLine > 0) {
            EXPECT_EQ(level.cutShort[0].line, row.cutAtLine);
            EXPECT_EQ(level.cutShort[0].text.size(), 255u);
        }
    }
}

TEST_F(LevelReaderTest, BlankLinesAndIndentationAreSkipped) {
    const LevelData level = read("\n\n   \t v  1 1 1\r\n\r\n  vt 0.5 0.5 0\r\n");
    EXPECT_EQ(level.positions.size(), 1u);
    ASSERT_EQ(level.texCoords.size(), 1u);
    EXPECT_EQ(level.texCoords[0].m_y, 0.5);
}

} // namespace
