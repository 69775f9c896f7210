// libFuzzer target for the level reader. The input is an OBJ file, and
// whatever follows a line "@@mtl" is the material library "legitLevel.mtl"
// beside it, so that the asset builder's level serves as a seed as it is.
// Every fatal error is an expected outcome; a crash, a hang or a face whose
// indices leave the lists is not.
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unistd.h>

#include "ObjLevelReader.h"
#include "SilentLogger.h"

namespace {

void writeFile(const char* name, std::string_view text) {
    std::ofstream(name, std::ios::binary)
        .write(text.data(), static_cast<std::streamsize>(text.size()));
}

bool indicesInside(const LevelData& level) {
    bool inside = level.collisionLineFace.size() == level.collisionLines.size();
    for (const LevelFace& face : level.faces)
        for (std::size_t i = 0; i < 3; ++i)
            inside = inside && face.position[i] < level.positions.size() &&
                     face.texCoord[i] < level.texCoords.size() &&
                     face.normal[i] < level.normals.size() &&
                     face.material < static_cast<int>(level.materials.size());
    for (std::size_t face : level.collisionLineFace)
        inside = inside && face < level.faces.size();
    return inside;
}

// Material libraries are named relative to the working directory, so each
// input is read from a scratch directory of the fuzzer's own; the directory
// the fuzzer was started in stays the working directory otherwise, for the
// corpus and the crash files.
std::string scratchDirectory;
int startDirectory = -1;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    scratchDirectory = (std::filesystem::temp_directory_path() / "fuzz-obj-XXXXXX").string();
    startDirectory = open(".", O_RDONLY | O_DIRECTORY);
    if (mkdtemp(scratchDirectory.data()) == nullptr || startDirectory < 0)
        std::abort();
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(scratchDirectory, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (chdir(scratchDirectory.c_str()) != 0)
        std::abort();
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view kMtlMarker = "\n@@mtl\n";
    const std::size_t split = input.find(kMtlMarker);
    writeFile("level.obj", input.substr(0, split));
    writeFile("legitLevel.mtl",
              split == std::string_view::npos ? "" : input.substr(split + kMtlMarker.size()));
    SilentLogger logger;
    try {
        if (!indicesInside(readObjLevel("level.obj", logger)))
            std::abort();
    } catch (const std::runtime_error&) {
    }
    if (fchdir(startDirectory) != 0)
        std::abort();
    return 0;
}
