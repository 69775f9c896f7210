// The checks behind levelcheck's warnings. None of these stops the game;
// each makes it draw or collide other than the level maker likely intended.
#include "LevelSummary.h"

#include <algorithm>

#include "ViewDepth.h"

namespace {

// An edge along z whose two ends lie on the same side of the plane: the cut
// still reports its (x, y) as a crossing, as the extrapolated point lies
// within the edge's (single-valued) x and y ranges.
bool isStraightEdgeOffThePlane(const Vector3& a, const Vector3& b) {
    return a.m_x == b.m_x && a.m_y == b.m_y && a.m_z != b.m_z &&
           ((a.m_z > 0 && b.m_z > 0) || (a.m_z < 0 && b.m_z < 0));
}

// Whether one of the two crossings the cut used came from such an edge.
bool isCutBeyondAnEdge(const LevelData& level, const LevelFace& face) {
    const Vector3& a = level.positions[face.position[0]];
    const Vector3& b = level.positions[face.position[1]];
    const Vector3& c = level.positions[face.position[2]];
    const Vector3* edges[3][2] = {{&a, &c}, {&c, &b}, {&b, &a}};
    int found = 0;
    for (const auto& edge : edges) {
        Vector2 crossing;
        if (found < 2 && getPoint(*edge[0], *edge[1], &crossing)) {
            ++found;
            if (isStraightEdgeOffThePlane(*edge[0], *edge[1])) {
                return true;
            }
        }
    }
    return false;
}

// The view draws a face from the side the order of its corners faces, and
// the cut takes a line's solid side from that order; the lighting takes the
// front from the normals. A face whose every normal points against that
// order is hidden from the side it is lit on, and solid there.
bool isWoundAgainstItsNormals(const LevelData& level, const LevelFace& face) {
    // The normals keep the file's axes, where y grows upwards.
    const auto inFile = [&level](std::uint32_t index) {
        const Vector3& p = level.positions[index];
        return Vector3(p.m_x, -p.m_y, p.m_z);
    };
    const Vector3 a = inFile(face.position[0]);
    const Vector3 winding =
        (inFile(face.position[1]) - a).crossProduct(inFile(face.position[2]) - a);
    return std::all_of(face.normal.begin(), face.normal.end(), [&](std::uint32_t normal) {
        return winding.dotProduct(level.normals[normal]) < 0;
    });
}

bool reachesBeyondTheDrawnDepth(const LevelData& level, const LevelFace& face) {
    return std::any_of(face.position.begin(), face.position.end(), [&level](std::uint32_t i) {
        const double z = level.positions[i].m_z;
        return z > NEAREST_DRAWN_Z || z < FARTHEST_DRAWN_Z;
    });
}

bool isInsideWorld(const Vector2& p) {
    return p.m_x >= 0 && p.m_x <= kWorldSize && p.m_y >= 0 && p.m_y <= kWorldSize;
}

} // namespace

void Extent::include(double x, double y, double z) {
    if (empty) {
        minX = maxX = x;
        minY = maxY = y;
        minZ = maxZ = z;
        empty = false;
        return;
    }
    minX = std::min(minX, x);
    maxX = std::max(maxX, x);
    minY = std::min(minY, y);
    maxY = std::max(maxY, y);
    minZ = std::min(minZ, z);
    maxZ = std::max(maxZ, z);
}

Extent Extent::plusZero() const {
    Extent e = *this;
    for (double* v : {&e.minX, &e.maxX, &e.minY, &e.maxY, &e.minZ, &e.maxZ}) {
        *v += 0.0;
    }
    return e;
}

LevelSummary summarize(const LevelData& level) {
    LevelSummary summary;
    for (const Vector3& p : level.positions) {
        summary.mesh.include(p.m_x, p.m_y, p.m_z);
    }
    for (std::size_t i = 0; i < level.faces.size(); ++i) {
        if (level.faces[i].material < 0) {
            summary.untexturedFaces.push_back(i);
        }
        if (isWoundAgainstItsNormals(level, level.faces[i])) {
            summary.facesWoundAgainstNormals.push_back(i);
        }
        if (reachesBeyondTheDrawnDepth(level, level.faces[i])) {
            summary.facesBeyondTheDrawnDepth.push_back(i);
        }
    }
    for (std::size_t i = 0; i < level.collisionLines.size(); ++i) {
        const Line2& line = level.collisionLines[i];
        summary.collisionLines.include(line.m_a.m_x, line.m_a.m_y, 0);
        summary.collisionLines.include(line.m_b.m_x, line.m_b.m_y, 0);
        if (line.m_a.m_x == line.m_b.m_x && line.m_a.m_y == line.m_b.m_y) {
            summary.zeroLengthLines.push_back(i);
        }
        if (!isInsideWorld(line.m_a) || !isInsideWorld(line.m_b)) {
            summary.linesOutsideWorld.push_back(i);
        }
        const std::size_t face = level.collisionLineFace[i];
        if (isCutBeyondAnEdge(level, level.faces[face])) {
            summary.facesCutBeyondAnEdge.push_back(face);
        }
    }
    return summary;
}
