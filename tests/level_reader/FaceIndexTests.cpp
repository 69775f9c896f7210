// Face indices the format leaves unbounded: each one outside the lists read
// so far ends loading with a message naming the list, the index and the line,
// before any corner is looked up.
#include <gtest/gtest.h>

#include "LevelFiles.h"

namespace {

std::string withFace(const std::string& face) {
    return std::string(kThreeCorners) + face + "\n";
}

TEST_F(LevelReaderTest, IndexZeroIsRejectedForEachList) {
    EXPECT_EQ(fatalErrorOf(withFace("f 0/1/1 2/1/1 3/1/1")),
              "Error in file format -- f\n  in level.obj, line 6: position index 0 out of range "
              "(3 read so far; indices count from 1)");
    EXPECT_EQ(fatalErrorOf(withFace("f 1/1/1 2/0/1 3/1/1")),
              "Error in file format -- f\n  in level.obj, line 6: texture coordinate index 0 out "
              "of range (1 read so far; indices count from 1)");
    EXPECT_EQ(fatalErrorOf(withFace("f 1/1/1 2/1/1 3/1/0")),
              "Error in file format -- f\n  in level.obj, line 6: normal index 0 out of range "
              "(1 read so far; indices count from 1)");
}

TEST_F(LevelReaderTest, RelativeIndicesAreRejected) {
    EXPECT_EQ(fatalErrorOf(withFace("f -3/-1/-1 -2/-1/-1 -1/-1/-1")),
              "Error in file format -- f\n  in level.obj, line 6: negative (relative) indices are "
              "not read");
}

TEST_F(LevelReaderTest, IndexBeyondTheListsReadSoFarIsRejected) {
    EXPECT_EQ(fatalErrorOf(withFace("f 1/1/1 2/2/1 3/1/1")),
              "Error in file format -- f\n  in level.obj, line 6: texture coordinate index 2 out "
              "of range (1 read so far)");
    // A corner defined only after the face does not count.
    EXPECT_EQ(fatalErrorOf(withFace("f 1/1/1 2/1/1 4/1/1") + "v  0 0 0\n"),
              "Error in file format -- f\n  in level.obj, line 6: position index 4 out of range "
              "(3 read so far)");
    EXPECT_EQ(failedAt.line, 6u);
}

TEST_F(LevelReaderTest, HugeIndexIsRejectedWithoutOverflowing) {
    const std::string message = fatalErrorOf(withFace("f 1/1/1 2/1/1 99999999999999999999999/1/1"));
    EXPECT_EQ(
        message.rfind("Error in file format -- f\n  in level.obj, line 6: position index ", 0), 0u)
        << message;
    EXPECT_NE(message.find("out of range"), std::string::npos) << message;
}

TEST_F(LevelReaderTest, LastCornersOfTheListsAreAccepted) {
    const LevelData level = read(withFace("f 3/1/1 2/1/1 1/1/1"));
    ASSERT_EQ(level.faces.size(), 1u);
    EXPECT_EQ(level.faces[0].position[0], 2u);
}

} // namespace
