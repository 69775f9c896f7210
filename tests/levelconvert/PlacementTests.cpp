// Placing an export in the world: scale, offset, the z-up turn and the fit
// below the player's start. Positions are checked as the game stores them:
// world units, eight a file unit, y downwards.
#include <gtest/gtest.h>

#include <sstream>

#include "ConversionTest.h"

namespace {

// One face facing +y (up in the file's y-up frame), and the same face
// written z-up, where it faces +z.
const char* const kFloorFace = "v -1 0 -1\nv -1 0 1\nv 3 0 1\nf 1 2 3\n";
const char* const kZUpFace = "v -1 1 0\nv -1 -1 0\nv 3 -1 0\nf 1 2 3\n";

struct PlaceCase {
    const char* name;
    PlacementOptions options;
    const char* obj;
    // The positions and normals the game reads, then the scale and what
    // decided it after --fit.
    const char* placed;
};

class Placing : public ConversionTest, public testing::WithParamInterface<PlaceCase> {};

TEST_P(Placing, PutsTheExportWhereTheOptionsSay) {
    const LevelData level = convertObj(GetParam().obj, GetParam().options);
    std::ostringstream placed;
    for (const auto* list : {&level.positions, &level.normals}) {
        for (const Vector3& p : *list) {
            placed << "(" << p.m_x + 0.0 << " " << p.m_y + 0.0 << " " << p.m_z + 0.0 << ") ";
        }
    }
    placed << "scale " << report.scale << " by " << (report.fittedBy ? report.fittedBy : "-");
    EXPECT_EQ(placed.str(), GetParam().placed);
}

INSTANTIATE_TEST_SUITE_P(
    Options, Placing,
    testing::Values(PlaceCase{"ScaleThenOffsetInFileUnits",
                              {2, {10, -5, 0.5}, false, {}},
                              kFloorFace,
                              "(64 40 -12) (64 40 20) (128 40 20) (0 1 0) scale 2 by -"},
                    // A rotation, not a mirror: the face keeps its outside, and a
                    // written normal turns with it.
                    PlaceCase{"SwapYZTurnsAZUpExportUpright",
                              {1, {0, 0, 0}, true, {}},
                              kZUpFace,
                              "(-8 0 -8) (-8 0 8) (24 0 8) (0 1 0) scale 1 by -"},
                    PlaceCase{"SwapYZTurnsAWrittenNormal",
                              {1, {0, 0, 0}, true, {}},
                              "v -1 1 0\nv -1 -1 0\nv 3 -1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n",
                              "(-8 0 -8) (-8 0 8) (24 0 8) (0 1 0) scale 1 by -"},
                    // x from -1 to 3 becomes world 0 to 800: 25 times, top at world y 100.
                    PlaceCase{"FitScalesTheWidthAndHangsTheTopBelowThePlayersStart",
                              {1, {0, 0, 0}, false, 800},
                              kFloorFace,
                              "(0 100 -200) (0 100 200) (800 100 200) (0 1 0) scale 25 by width"},
                    // 4 wide and 40 high: 8000 wide would make it 80,000 high.
                    PlaceCase{"FitKeepsATallModelInsideTheWorldByItsHeight",
                              {1, {0, 0, 0}, false, 8000},
                              "v -1 0 -1\nv 3 0 1\nv 3 40 1\nf 1 2 3\n",
                              "(0 9000 -222.5) (890 9000 222.5) (890 100 222.5) (-0.447214 0 "
                              "0.894427) scale 27.8125 by height"}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

TEST_F(ConversionTest, APlacementOutsideTheWorldIsRefusedOrWarnedAbout) {
    EXPECT_THROW(convertObj("v 1 0 -1\nv 1 0 1\nv 1 1 1\nf 1 2 3\n", {1, {0, 0, 0}, false, 800}),
                 std::invalid_argument);
    convertObj(kFloorFace, {400, {0, 0, 0}, false, {}});
    EXPECT_EQ(notes(), "one space 3, normals 1, planar 3, default 1\ngame.obj:0: the level reaches "
                       "outside the 9000 x 9000 world; place it with --fit, --scale or --offset");
}

} // namespace
