// What a level file says, read without a window: the mesh lists, the faces
// with validated indices, the materials and the collision lines cut from the
// faces. The game turns this into textures, display lists and collision
// lines; the level checker reports on it.
//
// Files are read by their paths as written, relative to the working
// directory, with plain file access (levels are not in the archive).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "LevelFaceCut.h"
#include "Logger.h"
#include "Util/Shapes.h"
#include "Util/Vector3.h"

struct LevelFace {
    // 0-based into the level's lists, checked against them. 32 bits keep a
    // large level's faces compact; no list can grow beyond them.
    std::array<std::uint32_t, 3> position;
    std::array<std::uint32_t, 3> texCoord;
    std::array<std::uint32_t, 3> normal;
    // Index into the level's materials; -1 for a face drawn untextured.
    int material;
    // 1-based line of the OBJ file.
    std::size_t line;
};

// One texture the game loads: one per "map_Ka" statement, named by the
// material it was declared under.
struct LevelMaterial {
    std::string name;
    std::string texturePath; // in the archive
};

// A "usemtl" statement: from the face with index firstFace on, faces use
// material (-1 when the name has no texture).
struct LevelMaterialUse {
    std::string name;
    int material;
    std::size_t firstFace;
};

// A line of a level file that the loader passes over although it looks
// like it was meant to say something (a "v" followed by a single space, a
// "map_Kd", ...), or the line that ended a file early.
struct LevelFileLine {
    std::string file;
    std::size_t line;
    std::string text;
};

struct LevelData {
    // World units: the file's positions scaled by 8 with y turned downwards.
    std::vector<Vector3> positions;
    std::vector<Vector3> normals;
    std::vector<Vector3> texCoords;
    std::vector<LevelMaterial> materials;
    std::vector<LevelMaterialUse> materialUses;
    std::vector<LevelFace> faces;
    // In face order, at most one per face; collisionLineFace[i] is the
    // index of the face collisionLines[i] was cut from.
    std::vector<Line2> collisionLines;
    std::vector<std::size_t> collisionLineFace;
    std::vector<LevelFileLine> ignored;
    // Lines longer than the loader reads; each ended its file there.
    std::vector<LevelFileLine> cutShort;
};

// Where reading was when a fatal error ended it, and the lines passed over
// until then (a position written with one space after "v" shows up later as
// a face index out of range).
struct LevelReadPlace {
    std::string file;
    std::size_t line = 0;
    std::vector<LevelFileLine> passedOver;
};

// Reads the OBJ level at objPath and the material libraries it names. An OBJ
// that cannot be opened gives an empty level. A malformed statement or a face
// index outside the lists read so far is a fatal error through the logger:
// "Error in file format -- <statement>", with the file, the line and why on
// the next line. A material library that cannot be opened is the fatal
// "Material <path> failed to open". failedAt (if given) then holds the file
// and line. Logs "Parsing textures" at debug level for each material library.
LevelData readObjLevel(const char* objPath, Logger& logger, LevelReadPlace* failedAt = nullptr);
