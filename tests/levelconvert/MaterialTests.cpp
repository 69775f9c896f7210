// Materials as exporters write them, turned into the one "map_Ka" image a
// material has in the game, copied into "Resources" under a name the
// game's MTL rule takes (no white space, prefixed with the level's name).
#include <gtest/gtest.h>

#include <IL/il.h>
#include <filesystem>
#include <fstream>

#include "Canvas.h"
#include "ConversionTest.h"
#include "ImageDecoding.h"
#include "PngFile.h"

namespace {

namespace fs = std::filesystem;

// One face across z = 0 with texture coordinates, under material "stone".
const char* const kFace = "v 0 0 -1\nv 0 0 1\nv 2 0 1\n"
                          "vt 0 0\nvt 1 0\nvt 1 1\n"
                          "usemtl stone\n"
                          "f 1/1 2/2 3/3\n";

class Materials : public ConversionTest {
  protected:
    // Converts kFace (or the given OBJ) with this material library.
    LevelData convertWith(const std::string& mtl, const std::string& obj = kFace) {
        write("level.mtl", mtl);
        write("level.obj", "mtllib level.mtl\n" + obj);
        return convert("level.obj");
    }
    // The texture the game would load for the level's first face.
    static std::string textureOfFirstFace(const LevelData& level) {
        if (level.faces.empty() || level.faces[0].material < 0) {
            return "";
        }
        return level.materials[static_cast<std::size_t>(level.faces[0].material)].texturePath;
    }
};

TEST_F(Materials, DiffuseMapServesWhenThereIsNoAmbientOne) {
    write("stone.tga", tinyTga(90, 90, 90));
    const LevelData level = convertWith("newmtl stone\nKd 1 1 1\nmap_Kd stone.tga\n");
    EXPECT_EQ(textureOfFirstFace(level), "game_stone.tga");
    EXPECT_TRUE(existsInResources("game_stone.tga"));
    EXPECT_EQ(report.materialCounts.fromDiffuse, 1u);
    EXPECT_EQ(report.materialCounts.imagesCopied, 1u);
    EXPECT_EQ(warnings(), "");
}

TEST_F(Materials, AmbientMapWinsOverTheDiffuseOneInEitherOrder) {
    write("ambient.tga", tinyTga(10, 10, 10));
    write("diffuse.tga", tinyTga(200, 200, 200));
    EXPECT_EQ(
        textureOfFirstFace(convertWith("newmtl stone\nmap_Kd diffuse.tga\nmap_Ka ambient.tga\n")),
        "game_ambient.tga");
    EXPECT_EQ(
        textureOfFirstFace(convertWith("newmtl stone\nmap_Ka ambient.tga\nmap_Kd diffuse.tga\n")),
        "game_ambient.tga");
    EXPECT_EQ(report.materialCounts.fromDiffuse, 0u);
}

TEST_F(Materials, OptionsBeforeTheFileNameAreReadAndPlaceTheImage) {
    write("textures/stone.tga", tinyTga(90, 90, 90));
    const LevelData level = convertWith("newmtl stone\n"
                                        "map_Kd -s 2 3 -o 0.5 -bm 0.3 -clamp on -mm 0 1 "
                                        "textures/stone.tga\n");
    EXPECT_EQ(textureOfFirstFace(level), "game_stone.tga");
    // vt (1, 1) scaled by (2, 3) and moved by (0.5, 0).
    ASSERT_EQ(level.faces.size(), 1u);
    const Vector3& t = level.texCoords[level.faces[0].texCoord[2]];
    EXPECT_EQ(t.m_x, 2.5);
    EXPECT_EQ(t.m_y, 3.0);
    EXPECT_EQ(report.mesh.texCoordsPlaced, 3u);
}

TEST_F(Materials, PathsWithFoldersSpacesAndAnotherMachinesDrive) {
    write("maps/rock face.tga", tinyTga(90, 60, 30));
    write("grass.tga", tinyTga(30, 160, 30));
    const std::string obj = std::string(kFace) + "usemtl grass\nf 3/3 2/2 1/1\n";
    const LevelData level = convertWith("newmtl stone\nmap_Kd maps\\rock face.tga\n"
                                        "newmtl grass\nmap_Kd C:\\Users\\maker\\grass.tga\n",
                                        obj);
    ASSERT_EQ(level.materials.size(), 2u);
    EXPECT_EQ(level.materials[0].texturePath, "game_rock_face.tga");
    EXPECT_EQ(level.materials[1].texturePath, "game_grass.tga");
    EXPECT_EQ(warnings(), "");
}

TEST_F(Materials, PngAndJpegImagesAreCopiedAsTheyAre) {
    fs::create_directories(fs::path(files.directory()) / "export");
    writePng((fs::path(files.directory()) / "export" / "moss.png").string(),
             Canvas(4, 4, {20, 120, 40}));
    ilInit();
    const ILuint image = ilGenImage();
    ilBindImage(image);
    unsigned char pixels[4 * 4 * 3] = {};
    ilTexImage(4, 4, 1, 3, IL_RGB, IL_UNSIGNED_BYTE, pixels);
    ilEnable(IL_FILE_OVERWRITE);
    const std::string jpeg = (fs::path(files.directory()) / "export" / "bark.JPG").string();
    ASSERT_TRUE(ilSave(IL_JPG, jpeg.c_str()));
    ilDeleteImage(image);
    const std::string obj = std::string(kFace) + "usemtl bark\nf 3/3 2/2 1/1\n";
    const LevelData level =
        convertWith("newmtl stone\nmap_Kd moss.png\nnewmtl bark\nmap_Kd bark.JPG\n", obj);
    ASSERT_EQ(level.materials.size(), 2u);
    EXPECT_EQ(level.materials[0].texturePath, "game_moss.png");
    EXPECT_EQ(level.materials[1].texturePath, "game_bark.jpg");
    EXPECT_EQ(fs::file_size(fs::path(files.directory()) / "Resources" / "game_bark.jpg"),
              fs::file_size(jpeg));
}

TEST_F(Materials, AMissingImageIsReportedByName) {
    const LevelData level = convertWith("newmtl stone\nmap_Kd textures/lost.png\n");
    EXPECT_EQ(textureOfFirstFace(level), "");
    EXPECT_EQ(warnings(), "export/level.mtl:2: image \"textures/lost.png\" not found; material "
                          "\"stone\" stays untextured\n");
}

TEST_F(Materials, AnImageTheGameCannotDecodeIsReportedByName) {
    write("notes.png", "this is text, not a picture\n");
    convertWith("newmtl stone\nmap_Kd notes.png\n");
    EXPECT_EQ(warnings(), "export/level.mtl:2: image \"notes.png\" cannot be decoded by the "
                          "game; material \"stone\" stays untextured\n");
}

TEST_F(Materials, AMaterialOfOnlyAColourGetsAPictureOfIt) {
    const LevelData level = convertWith("newmtl stone\nKa 0 0 0\nKd 0.2 0.4 1.0\n");
    EXPECT_EQ(textureOfFirstFace(level), "game_stone_colour.png");
    std::ifstream file(fs::path(files.directory()) / "Resources" / "game_stone_colour.png",
                       std::ios::binary);
    const std::vector<char> bytes(std::istreambuf_iterator<char>(file), {});
    EXPECT_TRUE(gameCanDecode(bytes));
    EXPECT_EQ(report.materialCounts.fromColour, 1u);
}

TEST_F(Materials, FacesWithoutAnyMaterialShareOnePlainDefault) {
    write("bare.obj", "v 0 -1 -1\nv 1 -1 1\nv 1 -2 1\nv 0 -2 1\nf 1 2 3\nf 1 3 4\n");
    const LevelData level = convert("bare.obj");
    ASSERT_EQ(level.materials.size(), 1u);
    for (const LevelFace& face : level.faces)
        EXPECT_EQ(face.material, 0);
    EXPECT_TRUE(existsInResources(level.materials[0].texturePath));
    EXPECT_EQ(report.materialCounts.facesGivenDefault, 2u);
    EXPECT_EQ(warnings(), "");
}

TEST_F(Materials, NamesWithSpacesBecomeOneWordAndStayApart) {
    write("a.tga", tinyTga(1, 2, 3));
    write("b.tga", tinyTga(4, 5, 6));
    const LevelData level = convertWith(
        "newmtl Rock Wall\nmap_Kd a.tga\nnewmtl Rock_Wall\nmap_Kd b.tga\n",
        "v 0 0 -1\nv 0 0 1\nv 2 0 1\nusemtl Rock Wall\nf 1 2 3\nusemtl Rock_Wall\nf 3 2 1\n");
    ASSERT_EQ(level.materialUses.size(), 2u);
    EXPECT_EQ(level.materialUses[0].name, "Rock_Wall");
    EXPECT_EQ(level.materialUses[1].name, "Rock_Wall_2");
    EXPECT_EQ(level.materials[0].texturePath, "game_a.tga");
    EXPECT_EQ(level.materials[1].texturePath, "game_b.tga");
    EXPECT_EQ(report.materialCounts.renamed, 2u);
}

TEST_F(Materials, SeveralLibrariesOnOneLine) {
    write("a.tga", tinyTga(1, 2, 3));
    write("b.tga", tinyTga(4, 5, 6));
    write("first.mtl", "newmtl stone\nmap_Kd a.tga\n");
    write("second.mtl", "newmtl grass\nmap_Ka b.tga\n");
    write("level.obj",
          std::string("mtllib first.mtl second.mtl\n") + kFace + "usemtl grass\nf 3/3 2/2 1/1\n");
    const LevelData level = convert("level.obj");
    ASSERT_EQ(level.materials.size(), 2u);
    EXPECT_EQ(level.materials[0].texturePath, "game_a.tga");
    EXPECT_EQ(level.materials[1].texturePath, "game_b.tga");
}

TEST_F(Materials, ALibraryNamedWithSpaces) {
    write("a.tga", tinyTga(1, 2, 3));
    write("my level.mtl", "newmtl stone\nmap_Kd a.tga\n");
    write("level.obj", std::string("mtllib my level.mtl\n") + kFace);
    EXPECT_EQ(textureOfFirstFace(convert("level.obj")), "game_a.tga");
}

TEST_F(Materials, UndefinedMaterialsAndMissingLibrariesAreWarnedAbout) {
    write("level.obj", std::string("mtllib gone.mtl\n") + kFace);
    const LevelData level = convert("level.obj");
    EXPECT_EQ(textureOfFirstFace(level), "");
    EXPECT_EQ(warnings(),
              "export/level.obj:1: material library \"gone.mtl\" not found; its materials stay "
              "untextured\n"
              "export/level.obj:8: material \"stone\" is used but no material library defines "
              "it; its faces stay untextured\n");
}

TEST_F(Materials, AnImageSharedByMaterialsIsCopiedOnce) {
    write("a.tga", tinyTga(1, 2, 3));
    const std::string obj = std::string(kFace) + "usemtl grass\nf 3/3 2/2 1/1\n";
    const LevelData level =
        convertWith("newmtl stone\nmap_Kd a.tga\nnewmtl grass\nmap_Kd ./a.tga\n", obj);
    EXPECT_EQ(report.materialCounts.imagesCopied, 1u);
    ASSERT_EQ(level.materials.size(), 2u);
    EXPECT_EQ(level.materials[1].texturePath, "game_a.tga");
}

TEST_F(Materials, MalformedLibrariesAreRefusedByLine) {
    write("level.mtl", "newmtl stone\nmap_Kd -s\n");
    write("level.obj", std::string("mtllib level.mtl\n") + kFace);
    try {
        convert("level.obj");
        FAIL() << "the library converts";
    } catch (const ConvertError& error) {
        EXPECT_STREQ(error.what(), "export/level.mtl:2: a texture map option needs a number");
    }
}

} // namespace
