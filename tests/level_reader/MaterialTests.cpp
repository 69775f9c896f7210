// Material libraries: which texture each face gets, and how a broken or
// missing library ends loading.
#include <gtest/gtest.h>

#include "LevelFiles.h"

namespace {

const char* const kMaterials = "# colours are no concern of the game\n"
                               "newmtl rock\n"
                               "Kd 0.5 0.5 0.5\n"
                               "map_Ka rock.tga\n"
                               "newmtl plain\n"
                               "Kd 1 0 0\n"
                               "map_Kd plain.tga\n"
                               "newmtl grass\n"
                               "map_Ka grass.tga\n";

std::string faceAfter(const std::string& statement) {
    return statement + "\nf 1/1/1 2/1/1 3/1/1\n";
}

// "name:texture" of every material, then each face's material.
std::string summary(const LevelData& level) {
    std::string text;
    for (const LevelMaterial& material : level.materials)
        text += material.name + ":" + material.texturePath + " ";
    for (const LevelFace& face : level.faces)
        text += std::to_string(face.material) + " ";
    return text;
}

// Other texture maps are reported as passed over; each library read is
// announced at debug level.
TEST_F(LevelReaderTest, FacesTakeTheTextureOfTheMaterialInUse) {
    const LevelData level =
        read(std::string(kThreeCorners) + "f 1/1/1 2/1/1 3/1/1\n" + "mtllib level.mtl\n" +
                 faceAfter("usemtl grass") + faceAfter("usemtl plain") +
                 faceAfter("usemtl unknown") + faceAfter("usemtl rock"),
             kMaterials);
    EXPECT_EQ(summary(level), "rock:rock.tga grass:grass.tga -1 1 -1 -1 0 ");
    std::string uses;
    for (const LevelMaterialUse& use : level.materialUses)
        uses += use.name + ":" + std::to_string(use.material) + "@" +
                std::to_string(use.firstFace) + " ";
    EXPECT_EQ(uses, "grass:1@1 plain:-1@2 unknown:-1@3 rock:0@4 ");
    ASSERT_EQ(level.ignored.size(), 1u);
    const LevelFileLine& ignored = level.ignored[0];
    EXPECT_EQ(ignored.file + ":" + std::to_string(ignored.line) + ": " + ignored.text,
              "level.mtl:7: map_Kd plain.tga");
    EXPECT_EQ(logger.textsOf("debug"), std::vector<std::string>{"Parsing textures"});
}

TEST_F(LevelReaderTest, LaterTextureUnderTheSameNameTakesTheNameOver) {
    const LevelData level =
        read(std::string(kThreeCorners) + "mtllib level.mtl\n" + faceAfter("usemtl wall"),
             "map_Ka orphan.tga\nnewmtl wall\nmap_Ka old.tga\nmap_Ka new.tga\n");
    EXPECT_EQ(summary(level), ":orphan.tga wall:old.tga wall:new.tga 2 ");
}

TEST_F(LevelReaderTest, MaterialLibraryThatCannotBeOpenedNamesItsPath) {
    EXPECT_EQ(fatalErrorOf("# materials\nmtllib missing.mtl\n"),
              "Material missing.mtl failed to open");
    EXPECT_EQ(failedAt.file, "level.obj");
    EXPECT_EQ(failedAt.line, 2u);
    EXPECT_EQ(fatalErrorOf("mtllib " + files.directory() + "\n"),
              "Material " + files.directory() + " failed to open");
}

TEST_F(LevelReaderTest, OverlongLineEndsOnlyTheMaterialLibrary) {
    const LevelData level =
        read(std::string(kThreeCorners) + "mtllib level.mtl\n" + faceAfter("usemtl rock"),
             "newmtl rock\nmap_Ka rock.tga\n# " + std::string(300, '-') + "\nmap_Ka lost.tga\n");
    EXPECT_EQ(level.materials.size(), 1u);
    EXPECT_EQ(level.faces.size(), 1u);
    ASSERT_EQ(level.cutShort.size(), 1u);
    EXPECT_EQ(level.cutShort[0].file, "level.mtl");
}

} // namespace
