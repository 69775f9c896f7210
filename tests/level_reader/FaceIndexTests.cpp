// Face indices the format leaves unbounded: each one outside the lists read
// so far ends loading with a message naming the list, the index and the line,
// before any corner is looked up.
#include <gtest/gtest.h>

#include "LevelFiles.h"

namespace {

TEST_F(LevelReaderTest, FaceIndexOutsideTheListsReadSoFarEndsLoadingNamingIt) {
    const std::string at = " out of range ";
    const struct {
        const char* face;
        std::string message;
    } rows[] = {
        {"f 0/1/1 2/1/1 3/1/1\n",
         "line 6: position index 0" + at + "(3 read so far; indices count from 1)"},
        {"f 1/1/1 2/0/1 3/1/1\n",
         "line 6: texture coordinate index 0" + at + "(1 read so far; indices count from 1)"},
        {"f 1/1/1 2/1/1 3/1/0\n",
         "line 6: normal index 0" + at + "(1 read so far; indices count from 1)"},
        {"f 1/1/1 2/2/1 3/1/1\n", "line 6: texture coordinate index 2" + at + "(1 read so far)"},
        // A corner defined only after the face does not count, nor one
        // written with a single space.
        {"f 1/1/1 2/1/1 4/1/1\nv  0 0 0\n", "line 6: position index 4" + at + "(3 read so far)"},
        {"v 0 0 0\nf 1/1/1 2/1/1 4/1/1\n", "line 7: position index 4" + at + "(3 read so far)"},
        {"f -3/-1/-1 -2/-1/-1 -1/-1/-1\n", "line 6: negative (relative) indices are not read"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.face);
        EXPECT_EQ(fatalErrorOf(kThreeCorners + std::string(row.face)),
                  "Error in file format -- f\n  in level.obj, " + row.message);
    }
}

TEST_F(LevelReaderTest, HugeIndexIsRejectedWithoutOverflowing) {
    const std::string message =
        fatalErrorOf(kThreeCorners + std::string("f 1/1/1 2/1/1 99999999999999999999999/1/1\n"));
    EXPECT_EQ(
        message.rfind("Error in file format -- f\n  in level.obj, line 6: position index ", 0), 0u)
        << message;
    EXPECT_NE(message.find("out of range"), std::string::npos) << message;
}

} // namespace
