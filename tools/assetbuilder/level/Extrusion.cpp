// Builds one extruded solid. The outline is subdivided so the sides carry
// enough vertices for relief; rows of vertices run from the front end face
// to the back one. Only rows well away from z = 0 are displaced, so the two
// rows straddling the cut keep the outline exact, and each side quad there
// is cut into two collision lines that meet at its diagonal's midpoint.
#include "Extrusion.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"
#include "Triangulate.h"

namespace level {

namespace {

struct Row {
    double z;
    double relief; // largest displacement along the outward normal, file units
};

constexpr Row kRows[] = {{kSolidFront, 0.0},    {9.0, 0.5},       {kCutRowOffset, 0.0},
                         {-kCutRowOffset, 0.0}, {-10.0, 0.6},     {-20.0, 0.8},
                         {-32.0, 0.7},          {kSolidBack, 0.0}};
constexpr std::size_t kRowCount = sizeof kRows / sizeof kRows[0];

// Longest side segment in file units (6 world units short of a character).
constexpr double kMaxSegment = 6.0;
// File units per texture repeat.
constexpr double kTextureSpan = 16.0;
// The end faces are large and flat: a wider repeat shows the rock's strata.
constexpr double kCapTextureSpan = 32.0;
// Slopes whose outward normal rises more than this are walkable ground.
const double kGrassNormalY = std::cos(50.0 * 3.14159265358979 / 180.0);

struct RingPoint {
    Vec2 at;          // file units, y up
    Vec2 outward;     // averaged outward normal, for relief
    double arcLength; // along the outline, for texture coordinates
    Material edge;    // material of the segment to the next ring point
    int corner;       // index of the outline corner it sits on, or -1
};

Material edgeMaterial(const SolidOutline& outline, const OutlineCorner& corner, Vec2 outward) {
    if (corner.edge) {
        return *corner.edge;
    }
    if (outline.grassOnTop && outward.y > kGrassNormalY) {
        return Material::Grass;
    }
    return outline.sides;
}

// Corners in file units, counter-clockwise, each with its edge material.
std::vector<OutlineCorner> counterClockwiseCorners(const SolidOutline& outline) {
    std::vector<OutlineCorner> corners;
    std::vector<Vec2> points;
    for (const OutlineCorner& corner : outline.corners) {
        corners.push_back({worldToFile(corner.at), corner.edge});
        points.push_back(corners.back().at);
    }
    if (signedArea(points) < 0) {
        // Reversing the walk moves each edge's material to its other end.
        std::vector<OutlineCorner> reversed;
        const std::size_t n = corners.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t from = n - 1 - i;
            const std::size_t to = (from + n - 1) % n;
            reversed.push_back({corners[from].at, corners[to].edge});
        }
        corners = reversed;
    }
    return corners;
}

// Relief must not push the level's outer walls out of the 9000-unit world.
Vec2 keepInsideWorld(Vec2 file) {
    const double edge = worldToFile(kWorldSize);
    return {std::clamp(file.x, 0.0, edge), std::clamp(file.y, -edge, 0.0)};
}

Vec2 outwardOf(Vec2 from, Vec2 to) {
    return normalized(Vec2{to.y - from.y, -(to.x - from.x)});
}

std::vector<RingPoint> subdivide(const SolidOutline& outline,
                                 const std::vector<OutlineCorner>& corners) {
    std::vector<RingPoint> ring;
    double arcLength = 0;
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vec2 from = corners[i].at;
        const Vec2 to = corners[(i + 1) % n].at;
        const Vec2 outward = outwardOf(from, to);
        const Material material = edgeMaterial(outline, corners[i], outward);
        const double edgeLength = length(to - from);
        const int pieces = std::max(1, static_cast<int>(std::ceil(edgeLength / kMaxSegment)));
        for (int k = 0; k < pieces; ++k) {
            const double t = static_cast<double>(k) / pieces;
            ring.push_back({from + (to - from) * t, outward, arcLength + edgeLength * t, material,
                            k == 0 ? static_cast<int>(i) : -1});
        }
        arcLength += edgeLength;
    }
    // Corners are displaced along the mean of their two edges' normals.
    for (std::size_t i = 0; i < ring.size(); ++i) {
        if (ring[i].corner >= 0) {
            const RingPoint& before = ring[(i + ring.size() - 1) % ring.size()];
            ring[i].outward = normalized(ring[i].outward + before.outward);
        }
    }
    return ring;
}

void addCap(Mesh& mesh, const std::vector<OutlineCorner>& corners,
            const std::vector<int>& cornerPositions, bool front, Material material) {
    std::vector<Vec2> polygon;
    for (const OutlineCorner& corner : corners) {
        polygon.push_back(corner.at);
    }
    const Vec3 outward{0, 0, front ? 1.0 : -1.0};
    for (const auto& triangle : triangulatePolygon(polygon)) {
        std::array<int, 3> indices{};
        std::array<Vec2, 3> texCoords{};
        for (std::size_t k = 0; k < 3; ++k) {
            const auto corner = static_cast<std::size_t>(triangle[k]);
            indices[k] = cornerPositions[corner];
            texCoords[k] = polygon[corner] * (1.0 / kCapTextureSpan);
        }
        mesh.addTriangle(indices, texCoords, outward, material);
    }
}

} // namespace

void addExtrudedSolid(Mesh& mesh, const SolidOutline& outline, unsigned seed) {
    const std::vector<OutlineCorner> corners = counterClockwiseCorners(outline);
    const std::vector<RingPoint> ring = subdivide(outline, corners);
    const std::size_t n = ring.size();

    std::vector<std::vector<int>> rows(kRowCount);
    for (std::size_t r = 0; r < kRowCount; ++r) {
        for (const RingPoint& point : ring) {
            const double bump =
                (fractalNoise(point.arcLength / 5.0, kRows[r].z / 6.0, 0, 3, seed) - 0.5) * 2.0;
            const Vec2 at = keepInsideWorld(
                point.at + point.outward * (bump * kRows[r].relief * outline.bumpiness));
            rows[r].push_back(mesh.addPosition({at.x, at.y, kRows[r].z}));
        }
    }

    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t j = (i + 1) % n;
        const RingPoint& p = ring[i];
        const double endArc = j == 0 ? p.arcLength + length(ring[0].at - p.at) : ring[j].arcLength;
        const Vec2 outward2 = outwardOf(p.at, ring[j].at);
        const Vec3 outward{outward2.x, outward2.y, 0};
        for (std::size_t r = 0; r + 1 < kRowCount; ++r) {
            const double u0 = p.arcLength / kTextureSpan;
            const double u1 = endArc / kTextureSpan;
            const double vFront = kRows[r].z / kTextureSpan;
            const double vBack = kRows[r + 1].z / kTextureSpan;
            const int pf = rows[r][i], qf = rows[r][j], pb = rows[r + 1][i], qb = rows[r + 1][j];
            mesh.addTriangle({pf, pb, qb}, {Vec2{u0, vFront}, Vec2{u0, vBack}, Vec2{u1, vBack}},
                             outward, p.edge);
            mesh.addTriangle({pf, qb, qf}, {Vec2{u0, vFront}, Vec2{u1, vBack}, Vec2{u1, vFront}},
                             outward, p.edge);
        }
    }

    std::vector<int> frontCorners, backCorners;
    for (std::size_t i = 0; i < n; ++i) {
        if (ring[i].corner >= 0) {
            frontCorners.push_back(rows.front()[i]);
            backCorners.push_back(rows.back()[i]);
        }
    }
    addCap(mesh, corners, frontCorners, true, outline.sides);
    addCap(mesh, corners, backCorners, false, outline.sides);
}

bool outlineContains(const SolidOutline& outline, Vec2 p) {
    bool inside = false;
    const std::size_t n = outline.corners.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Vec2 a = outline.corners[i].at;
        const Vec2 b = outline.corners[j].at;
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

} // namespace level
