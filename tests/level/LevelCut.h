// The game's cut of the level mesh by the plane z = 0, redone for the tests
// with the loader's own rule, and questions about the resulting outline.
#pragma once

#include <optional>
#include <vector>

#include "LevelFileReader.h"

struct Point2 {
    double x = 0, y = 0;
};

// A collision line in world units; its solid side is behind its front normal.
struct CutLine {
    Point2 a, b;
    Point2 frontNormal() const; // rNormal(b - a), normalised
    Point2 midpoint() const { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }
    double length() const;
};

// The crossing of the edge from a to b with z = 0, as the loader finds it.
std::optional<Point2> crossingOfEdge(const FileVec3& a, const FileVec3& b);

// At most one line per face: the first two crossings of the edges a-c, c-b,
// b-a, directed so that the front normal opposes the face normal.
std::optional<CutLine> cutFace(const FileVec3& a, const FileVec3& b, const FileVec3& c);

std::vector<CutLine> cutLevel(const ReadLevel& level);

// Even-odd count of the lines crossed by a ray from p towards +x.
bool insideSolid(const std::vector<CutLine>& lines, Point2 p);

// Direction in degrees (counter-clockwise on screen, 270 = down) of the
// character's contact normal against a line: the reverse of its front normal.
double contactDirection(const CutLine& line);

// The first line met going straight down from p, if any.
std::optional<CutLine> firstLineBelow(const std::vector<CutLine>& lines, Point2 p, double* hitY);
