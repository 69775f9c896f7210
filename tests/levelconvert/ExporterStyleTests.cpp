// Exports written the way two kinds of program write them, each turned
// into a playable level: every face textured, nothing warned about, and the
// player landing on top of the ground from its start.
//
// The ground is a block 4 x 0.5 x 2 file units; its top, bottom and ends
// cross z = 0 (two lines each, one a triangle), its front and back do not.
#include <gtest/gtest.h>

#include <map>

#include "ConversionTest.h"
#include "LineKinds.h"
#include "PlayerLanding.h"

namespace {

struct Export {
    const char* name;
    // The OBJ comes last.
    std::vector<std::pair<std::string, std::string>> files;
    bool swapYZ;
    const char* notes;
};

class ExporterStyles : public ConversionTest, public testing::WithParamInterface<Export> {};

TEST_P(ExporterStyles, BecomeAPlayableLevel) {
    const Export& e = GetParam();
    for (const auto& [name, text] : e.files) {
        write(name, text);
    }
    PlacementOptions fit;
    fit.fitWidth = 1000;
    fit.swapYZ = e.swapYZ;
    const LevelData level = convert(e.files.back().first, fit);
    EXPECT_EQ(notes(), e.notes);
    EXPECT_EQ(surface(level), "12 faces, 8 lines of 2250, area 1.375e+06, facing 0 0 0");
    std::map<LineKind, int> kinds;
    for (const Line2& line : level.collisionLines) {
        ++kinds[kindOf(line)];
    }
    EXPECT_EQ(kinds, (std::map<LineKind, int>{
                         {LineKind::Floor, 2}, {LineKind::Wall, 4}, {LineKind::Ceiling, 2}}));
    const PlayerLanding landing = findPlayerLanding(level.collisionLines);
    ASSERT_TRUE(landing.lands);
    // On the top at world y 100, the ellipse 32 units high below its centre.
    EXPECT_NEAR(landing.centre.m_y, 68.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, ExporterStyles,
    testing::Values(
        // A z-up modeller: six decimals after one space, two-number texture
        // coordinates, quads, "s" and "o" lines, materials named with spaces
        // and a diffuse map with a scale option beside the library in a folder.
        Export{"ZUpModellerWithQuads",
               {{"Ground Level.mtl",
                 "# Material Count: 1\n\n"
                 "newmtl Rock Material\nNs 250.000000\nKa 1.000000 1.000000 1.000000\n"
                 "Kd 0.800000 0.800000 0.800000\nKs 0.500000 0.500000 0.500000\n"
                 "Ke 0.000000 0.000000 0.000000\nNi 1.450000\nd 1.000000\nillum 2\n"
                 "map_Kd -s 4.000000 1.000000 1.000000 textures/rock.tga\n"},
                {"textures/rock.tga", tinyTga(120, 100, 80)},
                {"ground.obj", "# Modeller 3.6 OBJ File: ''\n# www.example.org\n"
                               "mtllib Ground Level.mtl\no Ground\n"
                               "v -1.000000 -1.000000 -0.500000\nv 3.000000 -1.000000 -0.500000\n"
                               "v 3.000000 1.000000 -0.500000\nv -1.000000 1.000000 -0.500000\n"
                               "v -1.000000 -1.000000 0.000000\nv 3.000000 -1.000000 0.000000\n"
                               "v 3.000000 1.000000 0.000000\nv -1.000000 1.000000 0.000000\n"
                               "vt 0.000000 0.000000\nvt 1.000000 0.000000\n"
                               "vt 1.000000 1.000000\nvt 0.000000 1.000000\n"
                               "vn 0.0000 0.0000 1.0000\nvn 0.0000 0.0000 -1.0000\n"
                               "vn 0.0000 -1.0000 0.0000\nvn 0.0000 1.0000 0.0000\n"
                               "vn -1.0000 0.0000 0.0000\nvn 1.0000 0.0000 0.0000\n"
                               "usemtl Rock Material\ns 0\n"
                               "f 5/1/1 6/2/1 7/3/1 8/4/1\nf 1/1/2 4/2/2 3/3/2 2/4/2\n"
                               "f 1/1/3 2/2/3 6/3/3 5/4/3\nf 3/1/4 4/2/4 8/3/4 7/4/4\n"
                               "f 4/1/5 1/2/5 5/3/5 8/4/5\nf 2/1/6 3/2/6 7/3/6 6/4/6\n"}},
               true,
               "one space 8, short vt 4, cut 6, added 6, placed 4, renamed 1, diffuse 1, copied 1"},
        // A y-up package on another system: CRLF line ends, "v" and two
        // spaces, groups, counts in comments, texture coordinates of three
        // numbers, and an absolute path with backslashes to an ambient map
        // that now lies beside the library.
        Export{"YUpPackageWithCrlfAndAbsolutePaths",
               {{"brick.tga", tinyTga(150, 60, 40)},
                {"block.mtl", "# Max2Mtl Version 4.0\r\n#\r\nnewmtl wire_brick\r\n\tNs 10.0000\r\n"
                              "\tKa 0.5880 0.5880 0.5880\r\n\tKd 0.5880 0.5880 0.5880\r\n"
                              "\tmap_Ka D:\\projects\\level\\maps\\brick.tga\r\n"
                              "\tmap_Kd D:\\projects\\level\\maps\\brick.tga\r\n"},
                {"block.obj", "# Wavefront OBJ Exporter v0.97b\r\n#\r\nmtllib ./block.mtl\r\n\r\n"
                              "#\r\n# object Box001\r\n#\r\n\r\n"
                              "v  -1.0000 -0.5000 1.0000\r\nv  3.0000 -0.5000 1.0000\r\n"
                              "v  3.0000 -0.5000 -1.0000\r\nv  -1.0000 -0.5000 -1.0000\r\n"
                              "v  -1.0000 0.0000 1.0000\r\nv  3.0000 0.0000 1.0000\r\n"
                              "v  3.0000 0.0000 -1.0000\r\nv  -1.0000 0.0000 -1.0000\r\n"
                              "# 8 vertices\r\n\r\n"
                              "vt 0.0000 0.0000 0.0000\r\nvt 1.0000 0.0000 0.0000\r\n"
                              "vt 1.0000 1.0000 0.0000\r\nvt 0.0000 1.0000 0.0000\r\n"
                              "# 4 texture coords\r\n\r\n"
                              "g Box001\r\nusemtl wire_brick\r\ns 2\r\n"
                              "f 5/1 6/2 7/3 8/4\r\nf 1/1 4/2 3/3 2/4\r\n"
                              "f 1/1 2/2 6/3 5/4\r\nf 3/1 4/2 8/3 7/4\r\n"
                              "f 4/1 1/2 5/3 8/4\r\nf 2/1 3/2 7/3 6/4\r\n# 6 polygons\r\n\r\n"}},
               false,
               "cut 6, added 6, normals 6, copied 1"}),
    [](const testing::TestParamInfo<Export>& info) { return std::string(info.param.name); });

} // namespace
