// levelconvert's work from the input file to the files written: read the
// export, place it, map its materials, triangulate and write the game's
// subset beside a "Resources" folder with the images.
#pragma once

#include <string>
#include <vector>

#include "ExportScene.h"
#include "GameMesh.h"
#include "MaterialMapping.h"
#include "Placement.h"

struct ConversionOptions {
    std::string input;
    std::string output; // the OBJ; the MTL and "Resources" go beside it
    PlacementOptions placement;
};

struct ConversionReport {
    std::string mtlPath;
    std::string resourcesFolder;
    std::size_t polygons = 0;
    std::size_t triangles = 0;
    std::size_t materials = 0;
    ExportCounts read;
    MeshCounts mesh;
    MaterialCounts materialCounts;
    double scale = 1;
    Point3 offset;
    // "width" or "height" after --fit: which extent decided the scale.
    const char* fittedBy = nullptr;
    // File units, after placement.
    Point3 low, high;
    std::vector<ExportNote> warnings;
    std::vector<ExportNote> passedOver;
};

// Throws ConvertError on what cannot be mended, std::invalid_argument on a
// placement that cannot be made.
ConversionReport convertLevel(const ConversionOptions& options);
