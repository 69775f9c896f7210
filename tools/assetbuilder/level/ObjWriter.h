// Writes the level mesh as the OBJ and MTL text that the game's level loader
// reads: only the statements it understands, in the spacing it expects.
#pragma once

#include <string>

#include "Mesh.h"

namespace level {

struct MaterialFile {
    Material material;
    std::string name;        // the "newmtl" / "usemtl" name
    std::string textureName; // image path inside the archive
};

std::string writeObj(const Mesh& mesh, const std::string& mtlFileName,
                     const std::vector<MaterialFile>& materials);
std::string writeMtl(const std::vector<MaterialFile>& materials);

} // namespace level
