// What a level maker wants to know about a read level beyond its lists:
// where it lies, and what the game will draw or collide with differently
// than the maker probably meant.
#pragma once

#include <cstddef>
#include <vector>

#include "ObjLevelReader.h"

struct Extent {
    double minX = 0, maxX = 0, minY = 0, maxY = 0, minZ = 0, maxZ = 0;
    bool empty = true;
    void include(double x, double y, double z);
    // The same extent with every -0 as 0, for printing.
    Extent plusZero() const;
};

struct LevelSummary {
    Extent mesh;           // every position, world units
    Extent collisionLines; // their end points, z always 0
    // Indices into LevelData::faces.
    std::vector<std::size_t> untexturedFaces;
    // Faces whose line comes partly from an edge running straight along z
    // that never reaches z = 0: the crossing rule counts its (x, y) anyway.
    std::vector<std::size_t> facesCutBeyondAnEdge;
    // Faces whose normals all point against the order of their corners.
    std::vector<std::size_t> facesWoundAgainstNormals;
    // Faces with a corner nearer or farther than the view draws.
    std::vector<std::size_t> facesBeyondTheDrawnDepth;
    // Indices into LevelData::collisionLines.
    std::vector<std::size_t> zeroLengthLines;
    std::vector<std::size_t> linesOutsideWorld;
};

// The world the map controller tracks collision lines in.
constexpr double kWorldSize = 9000.0;

LevelSummary summarize(const LevelData& level);
