// An independent reader of the level files for the tests: it accepts only
// the statements the game's loader understands, written the way it reads
// them, and reports everything else as a problem naming the line.
#pragma once

#include <array>
#include <string>
#include <vector>

struct FileVec3 {
    double x = 0, y = 0, z = 0;
};

struct ReadFace {
    std::array<int, 3> position{}, texCoord{}, normal{}; // 1-based as written
    std::string material;
    int line = 0;
};

struct ReadLevel {
    std::vector<FileVec3> positions; // as written, file units
    std::vector<FileVec3>
        worldPositions; // as the game stores them (x8, y flipped, single precision)
    std::vector<FileVec3> texCoords;
    std::vector<FileVec3> normals;
    std::vector<ReadFace> faces;
    std::vector<std::string> materialLibraries;
    std::vector<std::string> problems; // "line N: ..."
};

ReadLevel readObj(const std::string& text);

struct ReadMaterial {
    std::string name;
    std::string texture;
};

struct ReadMaterials {
    std::vector<ReadMaterial> materials;
    std::vector<std::string> problems;
};

ReadMaterials readMtl(const std::string& text);
