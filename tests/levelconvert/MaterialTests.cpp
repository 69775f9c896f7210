// Materials as exporters write them, turned into the one "map_Ka" image a
// material has in the game, copied into "Resources" under a name the
// game's MTL rule takes (no white space, prefixed with the level's name).
#include <gtest/gtest.h>

#include <filesystem>

#include "Canvas.h"
#include "ConversionTest.h"
#include "ImageDecoding.h"
#include "PngFile.h"

namespace {

namespace fs = std::filesystem;

// One face across z = 0 as the game writes it, under material "stone";
// kGrassFace adds one under "grass".
const std::string kFace = "v  0 0 -1\nv  0 0 1\nv  2 0 1\nvt 0 0 0\nvt 1 0 0\nvt 1 1 0\nvn 0 1 0\n"
                          "usemtl stone\nf 1/1/1 2/2/1 3/3/1\n";
const std::string kGrassFace = kFace + "usemtl grass\nf 3/3/1 2/2/1 1/1/1\n";
const std::string kA = tinyTga(1, 2, 3), kB = tinyTga(4, 5, 6);

class MaterialTest : public ConversionTest {
  protected:
    // Each face's material and the image the game loads for it ("-" for
    // none), checking that the game can decode every image it names.
    std::string faceTextures(const LevelData& level) const {
        std::string text;
        for (const LevelFace& face : level.faces) {
            text += text.empty() ? "" : " ";
            if (face.material < 0) {
                text += "-";
                continue;
            }
            const LevelMaterial& m = level.materials[static_cast<std::size_t>(face.material)];
            text += m.name + "=" + m.texturePath;
            const std::string image = resource(m.texturePath);
            EXPECT_TRUE(m.texturePath.empty() || gameCanDecode({image.begin(), image.end()}))
                << m.texturePath;
        }
        return text;
    }
};

struct MaterialCase {
    const char* name;
    ExportFiles files;
    std::string obj;
    const char* textures;
    std::string notes;
};

class Materials : public MaterialTest, public testing::WithParamInterface<MaterialCase> {};

TEST_P(Materials, GiveEachFaceTheImageItsMakerMeant) {
    write(GetParam().files);
    EXPECT_EQ(faceTextures(convertObj(GetParam().obj)), GetParam().textures);
    EXPECT_EQ(notes(), GetParam().notes);
}

const std::string kLevelMtl = "mtllib level.mtl\n";

INSTANTIATE_TEST_SUITE_P(
    Exports, Materials,
    testing::Values(
        MaterialCase{"AmbientMapWinsOverTheDiffuseOne",
                     exportFiles("amb.tga", kA, "dif.tga", kB, "level.mtl",
                                 "newmtl stone\nmap_Kd dif.tga\nmap_Ka amb.tga\n"),
                     kLevelMtl + kFace, "stone=game_amb.tga", "copied 1"},
        MaterialCase{"AmbientMapWinsWhenWrittenFirst",
                     exportFiles("amb.tga", kA, "dif.tga", kB, "level.mtl",
                                 "newmtl stone\nmap_Ka amb.tga\nmap_Kd dif.tga\n"),
                     kLevelMtl + kFace, "stone=game_amb.tga", "copied 1"},
        MaterialCase{"PathsWithFoldersSpacesAndAnotherMachinesDrive",
                     exportFiles("maps/rock face.tga", kA, "grass.tga", kB, "level.mtl",
                                 "newmtl stone\nmap_Kd maps\\rock face.tga\n"
                                 "newmtl grass\nmap_Kd C:\\Users\\maker\\grass.tga\n"),
                     kLevelMtl + kGrassFace, "stone=game_rock_face.tga grass=game_grass.tga",
                     "diffuse 2, copied 2"},
        MaterialCase{"AMissingImageIsReportedByName",
                     exportFiles("level.mtl", "newmtl stone\nmap_Kd textures/lost.png\n"),
                     kLevelMtl + kFace, "stone=game_default_colour.png",
                     "export/level.mtl:2: image \"textures/lost.png\" not found; material "
                     "\"stone\" gets the plain grey of faces without a material"},
        MaterialCase{"AnImageTheGameCannotDecodeIsReportedAndItsColourTaken",
                     exportFiles("notes.png", "this is text, not a picture\n", "level.mtl",
                                 "newmtl stone\nKd 0.5 0.5 0.5\nmap_Kd notes.png\n"),
                     kLevelMtl + kFace, "stone=game_stone_colour.png",
                     "colour 1\nexport/level.mtl:3: image \"notes.png\" cannot be decoded by the "
                     "game; material \"stone\" gets a picture of its Kd colour"},
        MaterialCase{"AMaterialOfOnlyAColourGetsAPictureOfIt",
                     exportFiles("level.mtl", "newmtl stone\nKa 0 0 0\nKd 0.2 0.4 1.0\n"),
                     kLevelMtl + kFace, "stone=game_stone_colour.png", "colour 1"},
        MaterialCase{"FacesWithoutAnyMaterialShareOnePlainDefault", exportFiles(),
                     "v 0 -1 -1\nv 1 -1 1\nv 1 -2 1\nv 0 -2 1\nf 1 2 3\nf 1 3 4\n",
                     "default=game_default_colour.png default=game_default_colour.png",
                     "one space 4, normals 2, planar 6, default 2"},
        MaterialCase{
            "NamesWithSpacesBecomeOneWordAndStayApart",
            exportFiles("a.tga", kA, "b.tga", kB, "level.mtl",
                        "newmtl Rock Wall\nmap_Kd a.tga\nnewmtl Rock_Wall\nmap_Kd b.tga\n"),
            kLevelMtl + "v  0 0 -1\nv  0 0 1\nv  2 0 1\nusemtl Rock Wall\nf 1 2 3\n"
                        "usemtl Rock_Wall\nf 3 2 1\n",
            "Rock_Wall=game_a.tga Rock_Wall_2=game_b.tga",
            "normals 2, planar 3, renamed 2, diffuse 2, copied 2"},
        MaterialCase{"SeveralLibrariesOnOneLine",
                     exportFiles("a.tga", kA, "b.tga", kB, "first.mtl",
                                 "newmtl stone\nmap_Kd a.tga\n", "second.mtl",
                                 "newmtl grass\nmap_Ka b.tga\n"),
                     "mtllib first.mtl second.mtl\n" + kGrassFace,
                     "stone=game_a.tga grass=game_b.tga", "diffuse 1, copied 2"},
        MaterialCase{"UndefinedMaterialsAndMissingLibrariesAreWarnedAbout", exportFiles(),
                     "mtllib gone.mtl\n" + kFace, "stone=game_default_colour.png",
                     "export/level.obj:1: material library \"gone.mtl\" not found; its materials "
                     "get the plain grey of faces without a material\nexport/level.obj:9: "
                     "material \"stone\" is used but no material library defines it; its faces "
                     "get the plain grey of faces without a material"},
        MaterialCase{"AnImageSharedByMaterialsIsCopiedOnce",
                     exportFiles("a.tga", kA, "level.mtl",
                                 "newmtl stone\nmap_Kd a.tga\nnewmtl grass\nmap_Kd ./a.tga\n"),
                     kLevelMtl + kGrassFace, "stone=game_a.tga grass=game_a.tga",
                     "diffuse 2, copied 1"}),
    [](const testing::TestParamInfo<MaterialCase>& info) { return std::string(info.param.name); });

// A PNG image under a folder, its extension written in capitals.
TEST_F(MaterialTest, OptionsBeforeTheFileNameAreReadAndPlaceTheImage) {
    fs::create_directories(fs::path(files.directory()) / "export" / "maps");
    writePng(files.directory() + "/export/maps/moss.PNG", Canvas(4, 4, {20, 120, 40}));
    write("level.mtl",
          "newmtl stone\nmap_Kd -s 2 3 -o 0.5 -bm 0.3 -clamp on -mm 0 1 maps/moss.PNG\n");
    const LevelData level = convertObj(kLevelMtl + kFace);
    EXPECT_EQ(faceTextures(level), "stone=game_moss.png");
    // vt (1, 1) scaled by (2, 3) and moved by (0.5, 0).
    const Vector3& t = level.texCoords[level.faces.at(0).texCoord[2]];
    EXPECT_EQ(t.m_x, 2.5);
    EXPECT_EQ(t.m_y, 3.0);
    EXPECT_EQ(notes(), "placed 3, diffuse 1, copied 1");
}

} // namespace
