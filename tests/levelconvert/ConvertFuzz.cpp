// libFuzzer target for levelconvert's reader and what it builds from it. The
// input is an OBJ export, and whatever follows a line "@@mtl" is the
// material library "level.mtl" beside it. Every ConvertError is an expected
// outcome; a crash, a hang, or a written triangle whose corners leave the
// lists is not.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "GameLevelWriter.h"
#include "GameMesh.h"
#include "ObjExportReader.h"

namespace {

std::string scratchDirectory;

void writeFile(const std::string& path, std::string_view text) {
    std::ofstream(path, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

void checkMesh(const GameMesh& mesh) {
    for (const GameCorner& corner : mesh.corners) {
        if (corner.position >= mesh.positions.size() || corner.texCoord >= mesh.texCoords.size() ||
            corner.normal >= mesh.normals.size()) {
            std::abort();
        }
    }
    if (mesh.corners.size() != 3 * mesh.materials.size()) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratchDirectory = (std::filesystem::temp_directory_path() / "fuzz-convert-XXXXXX").string();
    if (mkdtemp(scratchDirectory.data()) == nullptr) {
        std::abort();
    }
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratchDirectory, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kMtlMarker = "\n@@mtl\n";
    const std::size_t split = input.find(kMtlMarker);
    const std::string obj = scratchDirectory + "/level.obj";
    writeFile(obj, input.substr(0, split));
    writeFile(scratchDirectory + "/level.mtl",
              split == std::string_view::npos ? "" : input.substr(split + kMtlMarker.size()));
    try {
        ExportScene scene = readObjExport(obj);
        // Materials as the mapping would name them, without touching images.
        std::vector<GameMaterial> materials;
        for (const std::string& name : scene.usedMaterials) {
            materials.push_back({name, "", {}});
        }
        for (std::size_t i = 0; i < materials.size() && i < scene.materials.size(); ++i) {
            materials[i].placement = scene.materials[i].placement;
        }
        MeshCounts counts;
        const GameMesh mesh =
            buildGameMesh(scene, Placement(false, 1, {0, 0, 0}), materials, counts);
        checkMesh(mesh);
        writeGameObj(mesh, materials, "level.mtl", "fuzz");
    } catch (const ConvertError&) {
    }
    return 0;
}
