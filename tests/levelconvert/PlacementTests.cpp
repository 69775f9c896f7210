// Placing an export in the world: scale, offset, the z-up turn and the fit
// below the player's start. Positions are checked as the game stores them:
// world units, eight a file unit, y downwards.
#include <gtest/gtest.h>

#include "ConversionTest.h"

namespace {

// One face facing +y (up in the file's y-up frame).
const char* const kFace = "v -1 0 -1\nv -1 0 1\nv 3 0 1\nf 1 2 3\n";

void expectAt(const Vector3& p, double x, double y, double z) {
    EXPECT_DOUBLE_EQ(p.m_x, x);
    EXPECT_DOUBLE_EQ(p.m_y, y);
    EXPECT_DOUBLE_EQ(p.m_z, z);
}

class Placing : public ConversionTest {
  protected:
    LevelData place(const PlacementOptions& options, const std::string& obj = kFace) {
        write("level.obj", obj);
        return convert("level.obj", options);
    }
};

TEST_F(Placing, ScaleThenOffsetInFileUnits) {
    PlacementOptions options;
    options.scale = 2;
    options.offset = {10, -5, 0.5};
    const LevelData level = place(options);
    expectAt(level.positions[2], (3 * 2 + 10) * 8, -(0 * 2 - 5) * 8, (1 * 2 + 0.5) * 8);
}

TEST_F(Placing, SwapYZTurnsAZUpExportUprightAndKeepsItsOutside) {
    // The same face written z-up: it faces +z there.
    PlacementOptions options;
    options.swapYZ = true;
    const LevelData turned = place(options, "v -1 1 0\nv -1 -1 0\nv 3 -1 0\nf 1 2 3\n");
    const LevelData upright = place({});
    ASSERT_EQ(turned.positions.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        expectAt(turned.positions[i], upright.positions[i].m_x, upright.positions[i].m_y,
                 upright.positions[i].m_z);
    }
    EXPECT_DOUBLE_EQ(facingSum(turned).m_y, facingSum(upright).m_y);
    EXPECT_EQ(turned.normals[turned.faces[0].normal[0]].m_y, 1.0);
    // A written normal turns with the faces.
    const LevelData withNormal =
        place(options, "v -1 1 0\nv -1 -1 0\nv 3 -1 0\nvn 0 0 1\nf 1//1 2//1 3//1\n");
    expectAt(withNormal.normals[0], 0, 1, 0);
}

TEST_F(Placing, FitScalesTheWidthAndHangsTheTopBelowThePlayersStart) {
    PlacementOptions options;
    options.fitWidth = 800;
    const LevelData level = place(options);
    // x from -1 to 3 becomes world 0 to 800: 25 times, top at world y 100.
    expectAt(level.positions[0], 0, 100, -200);
    expectAt(level.positions[2], 800, 100, 200);
    EXPECT_DOUBLE_EQ(report.scale, 25.0);
    EXPECT_STREQ(report.fittedBy, "width");
}

TEST_F(Placing, FitKeepsATallModelInsideTheWorldByItsHeight) {
    // 4 wide and 40 high: 8000 wide would make it 80,000 high.
    PlacementOptions options;
    options.fitWidth = 8000;
    const LevelData level = place(options, "v -1 0 -1\nv 3 0 1\nv 3 40 1\nf 1 2 3\n");
    double lowest = 0, widest = 0;
    for (const Vector3& p : level.positions) {
        lowest = std::max(lowest, p.m_y);
        widest = std::max(widest, p.m_x);
    }
    EXPECT_DOUBLE_EQ(lowest, 9000);
    EXPECT_LT(widest, 8000);
    EXPECT_STREQ(report.fittedBy, "height");
}

TEST_F(Placing, FitRefusesAModelWithoutWidth) {
    PlacementOptions options;
    options.fitWidth = 800;
    EXPECT_THROW(place(options, "v 1 0 -1\nv 1 0 1\nv 1 1 1\nf 1 2 3\n"), std::invalid_argument);
}

TEST_F(Placing, ALevelReachingOutOfTheWorldIsWarnedAbout) {
    PlacementOptions options;
    options.scale = 400;
    place(options);
    EXPECT_EQ(warnings(), "game.obj:0: the level reaches outside the 9000 x 9000 world; place "
                          "it with --fit, --scale or --offset\n");
}

} // namespace
