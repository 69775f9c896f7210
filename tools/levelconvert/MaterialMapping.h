// The export's materials as the game reads them: one name without white
// space each, and one image in the output's "Resources" folder, which the
// games mount on their search path.
#pragma once

#include <string>
#include <vector>

#include "ExportScene.h"

struct GameMaterial {
    std::string name;    // "newmtl" and "usemtl" name
    std::string texture; // "map_Ka": a name in "Resources"; empty for none
    MapPlacement placement;
};

struct MaterialCounts {
    std::size_t renamed = 0;     // names with white space or clashing after the change
    std::size_t fromDiffuse = 0; // image from "map_Kd", there being no "map_Ka"
    std::size_t fromColour = 0;  // no image: a plain picture of the "Kd" colour
    std::size_t imagesCopied = 0;
    // Faces that came without any material and were given the plain default.
    std::size_t facesGivenDefault = 0;
};

struct MaterialMapping {
    // Parallel to ExportScene::usedMaterials.
    std::vector<GameMaterial> materials;
    MaterialCounts counts;
};

// The material faces without any get: a plain light grey picture, so that
// the game draws them shaded like the rest instead of warning about each.
inline const char* const kDefaultMaterialName = "default";

// Decides the names, and copies (or, for a plain colour, writes) each image
// into resourcesFolder, prefixing its name with levelName so that it cannot
// be mistaken for one of the archive's. Missing and undecodable images and
// undefined materials go to scene.warnings. Faces without a material are
// given the default one, added to scene.usedMaterials.
MaterialMapping mapMaterials(ExportScene& scene, const std::string& resourcesFolder,
                             const std::string& levelName);
