// Assembles the level: the designed solids, the scenery around them, and
// the files the game reads. The OBJ and MTL go to the run directory because
// the game opens them with plain file streams; the images go to the archive
// because textures are read through the virtual file system.
#include "LevelAssets.h"

#include "LevelLayout.h"
#include "ObjWriter.h"
#include "Scenery.h"
#include "Textures.h"

namespace {

using namespace level;

const std::vector<MaterialFile> kMaterials = {
    {Material::Rock, "rock", "levelRock.tga"},
    {Material::Grass, "grass", "levelGrass.tga"},
    {Material::Brick, "brick", "levelBrick.tga"},
    {Material::Backdrop, "backdrop", "levelBackdrop.tga"},
};

Bytes toBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Mesh buildMesh() {
    const LevelLayout layout = designLevel();
    Mesh mesh;
    unsigned seed = 100;
    addExtrudedSolid(mesh, layout.ground, seed++);
    for (const SolidOutline& island : layout.islands) {
        addExtrudedSolid(mesh, island, seed++);
    }
    addBackdrop(mesh);
    addForegroundRocks(mesh, layout);
    return mesh;
}

} // namespace

void buildLevel(AssetSink& sink) {
    const Mesh mesh = buildMesh();
    sink.addToRunDirectory("legitLevel.obj", toBytes(writeObj(mesh, "legitLevel.mtl", kMaterials)));
    sink.addToRunDirectory("legitLevel.mtl", toBytes(writeMtl(kMaterials)));
    sink.addToArchive("levelRock.tga", encodeTga(paintRock()));
    sink.addToArchive("levelGrass.tga", encodeTga(paintGrass()));
    sink.addToArchive("levelBrick.tga", encodeTga(paintBrick()));
    sink.addToArchive("levelBackdrop.tga", encodeTga(paintBackdrop()));
    sink.addToArchive("SKY1.tga", encodeTga(paintSky()));
}
