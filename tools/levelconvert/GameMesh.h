// The export in the game's form: triangles only, every corner with a
// position, texture coordinate and normal, placed in the level's frame.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ExportScene.h"
#include "MaterialMapping.h"
#include "Placement.h"

struct GameCorner {
    std::uint32_t position, texCoord, normal;
};

struct GameMesh {
    std::vector<Point3> positions;
    std::vector<Point3> texCoords;
    std::vector<Point3> normals;
    // Three corners a triangle, in the export's order and winding.
    std::vector<GameCorner> corners;
    // Per triangle: index into the materials, -1 for none.
    std::vector<std::int32_t> materials;
};

struct MeshCounts {
    std::size_t polygonsTriangulated = 0; // faces of four corners and more
    std::size_t trianglesAdded = 0;       // beyond one a polygon
    std::size_t normalsComputed = 0;      // faces that had none
    std::size_t texCoordsPlanar = 0;      // corners that had none
    std::size_t texCoordsPlaced = 0;      // moved by a map's -o or -s
};

// Planar texture coordinates repeat the image every this many file units
// (128 world units).
constexpr double kPlanarTextureSize = 16.0;

// Polygons that cross themselves are filled anyway and reported in
// scene.warnings.
GameMesh buildGameMesh(ExportScene& scene, const Placement& placement,
                       const std::vector<GameMaterial>& materials, MeshCounts& counts);
