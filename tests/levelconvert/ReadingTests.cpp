// What exporters write that the game does not read, read by the converter
// and written so that the game reads the same surface: missing normals and
// texture coordinates, comments and groups, long and continued lines,
// relative indices, short texture coordinates, and the files it cannot mend.
// White space, line ends and the corner forms are in the exporter styles.
#include <gtest/gtest.h>

#include "ConversionTest.h"

namespace {

// The top of a block, 4 x 2 file units, lying in y = 0 across z = 0 and
// facing up: two collision lines (one a triangle), 512 square world units.
const std::string kTop = "v 0 0 1\nv 4 0 1\nv 4 0 -1\nv 0 0 -1\n";
// What converting it reports: one space after "v", the quad cut in two,
// normals and texture coordinates made, the default material given.
const char* const kPlainNotes = "one space 4, cut 1, added 1, normals 1, planar 4, default 1";
const char* const kTopSurface = "2 faces, 2 lines of 32, area 512, facing 0 512 0";

struct ReadCase {
    const char* name;
    std::string obj;
    std::string notes;
    // An export the game must get exactly the same file from, when given.
    std::string twin = "";
    std::string surface = kTopSurface;
};

class Reading : public ConversionTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(Reading, GivesTheGameTheSurfaceTheExportMeans) {
    const ReadCase& c = GetParam();
    EXPECT_EQ(surface(convertObj(c.obj)), c.surface);
    EXPECT_EQ(notes(), c.notes);
    const std::string written = writtenObj();
    // Nothing the game reads comes near its line limit.
    for (std::size_t start = 0, end; start < written.size(); start = end + 1) {
        end = written.find('\n', start);
        EXPECT_LT(end - start, 100u);
    }
    if (!c.twin.empty()) {
        convertObj(c.twin);
        EXPECT_EQ(written, writtenObj());
    }
}

const std::string kLong(300, ' ');

INSTANTIATE_TEST_SUITE_P(
    Exports, Reading,
    testing::Values(
        // Missing normals face the way the winding says; missing texture
        // coordinates are planar along the face's axis, x and z over 16.
        ReadCase{"PlainCorners", kTop + "f 1 2 3 4\n", kPlainNotes,
                 kTop + "vt 0 0.0625\nvt 0.25 0.0625\nvt 0.25 -0.0625\nvt 0 -0.0625\nvn 0 1 0\n" +
                     "f 1/1/1 2/2/1 3/3/1 4/4/1\n"},
        ReadCase{"ReversedWinding", kTop + "f 4 3 2 1\n", kPlainNotes,
                 kTop + "vn 0 -1 0\nf 4//1 3//1 2//1 1//1\n",
                 "2 faces, 2 lines of 32, area 512, facing 0 -512 0"},
        ReadCase{"CommentsGroupsAndSmoothing",
                 "# exported\no Block\ng top side\ns 1\nmg off\n" + kTop +
                     "s off\nf 1 2 3 4 # the top\n",
                 kPlainNotes, kTop + "f 1 2 3 4\n"},
        ReadCase{"ContinuedLinesAndTabs", kTop + "f 1\t2 \\\n  3\t4\n", kPlainNotes,
                 kTop + "f 1 2 3 4\n"},
        ReadCase{"StatementsTheGameCannotShowAreListed", kTop + "f 1 2 3 4\nl 1 2\np 3\n",
                 std::string(kPlainNotes) + "\npassed over 6: l 1 2\npassed over 7: p 3"},
        ReadCase{"LinesOfAnyLength",
                 "#" + std::string(400, '-') + "\nv 0 0 1" + kLong + "\nv 4" + kLong +
                     "0 1\nv 4 0 -1\nv 0 0 -1\nf 1 2 3 4" + kLong + "\n",
                 "one space 4, long 4, cut 1, added 1, normals 1, planar 4, default 1"},
        // Relative indices count from the statement they are in.
        ReadCase{"RelativeIndices",
                 "v 0 0 1\nv 4 0 1\nv 4 0 -1\nvt 0 0\nvt 1 0\nvt 1 1\nvn 0 1 0\n"
                 "f -3/-3/-1 -2/-2/-1 -1/-1/-1\nv 0 0 -1\nvt 0 1\nf -4/-4/-1 -2/-2/-1 -1/-1/-1\n",
                 "one space 4, relative 18, short vt 4, default 2",
                 kTop + "vt 0 0\nvt 1 0\nvt 1 1\nvt 0 1\nvn 0 1 0\nf 1/1/1 2/2/1 3/3/1\n" +
                     "f 1/1/1 3/3/1 4/4/1\n"},
        ReadCase{"TextureCoordinatesOfOneOrTwoNumbers",
                 kTop + "vt 0.5\nvt 0.25 0.75\nf 1/1 2/2 3/1 4/2\n",
                 "one space 4, short vt 2, cut 1, added 1, normals 1, default 1",
                 kTop + "vt 0.5 0 0\nvt 0.25 0.75 0\nf 1/1 2/2 3/1 4/2\n"}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

class Refusal : public ConversionTest {};

TEST_F(Refusal, NamesTheFileAndLineOfWhatCannotBeMended) {
    write("level.mtl", "newmtl stone\nmap_Kd -s\n");
    const std::pair<std::string, const char*> cases[] = {
        {kTop + "\nf 1 2 9\n",
         "level.obj:6: a face refers to position 9, but only 4 are written above it"},
        {kTop + "f 1 2 -5\n", "level.obj:5: a face refers back to a position before the first one"},
        {kTop + "f 0 1 2\n", "level.obj:5: face indices count from 1"},
        {kTop + "f 1/1 2/1 3/1\n",
         "level.obj:5: a face refers to texture coordinate 1, but only 0 are written above it"},
        {kTop + "f 1 2\n", "level.obj:5: a face needs at least three corners"},
        {kTop + "f 1/x 2 3\n", "level.obj:5: a face corner is p, p/t, p//n or p/t/n"},
        {"v 1 2\n", "level.obj:1: a position needs three numbers"},
        {"vn 1 2 x\n", "level.obj:1: a normal needs three numbers"},
        {"v 1 nan 2\n", "level.obj:1: a position has a number that is not finite"},
        {"v 1 1e39 2\n", "level.obj:1: a position has a number that is not finite"},
        {"usemtl\n", "level.obj:1: \"usemtl\" needs a material name"},
        {"mtllib level.mtl\n" + kTop + "f 1 2 3\n",
         "level.mtl:2: a texture map option needs a number"}};
    for (const auto& [obj, error] : cases) {
        write("level.obj", obj);
        EXPECT_EQ(errorOf("level.obj"), "export/" + std::string(error)) << obj;
    }
    EXPECT_EQ(errorOf("missing.obj"), "export/missing.obj: cannot be opened");
}

} // namespace
