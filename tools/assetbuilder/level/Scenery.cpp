// The backdrop is a relief grid facing the camera whose top edge follows a
// skyline some hundreds of units above the play floor, so that the sky shows
// above it. Boulders sit in front of the ground, only where their whole
// outline lies inside the ground: seen from the camera, solid in front of
// z = 0 then always projects away from the character, never over it.
#include "Scenery.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

namespace level {

namespace {

constexpr double kWorldBottom = 2000;
constexpr double kLevelRight = 8000;
constexpr double kTextureSpan = 16.0;
constexpr unsigned kBackdropSeed = 401;
constexpr unsigned kRockSeed = 733;

// World y of the cliff's top edge, by world x, before the noise.
const Vec2 kSkyline[] = {{0, 40},     {900, 90},   {1400, 0},   {2000, 60},  {2600, 140},
                         {3400, 100}, {4100, 220}, {4500, 150}, {5200, 260}, {5700, 170},
                         {6300, 150}, {7000, 380}, {7500, 700}, {8000, 800}};

double skylineAt(double x) {
    const std::size_t n = sizeof kSkyline / sizeof kSkyline[0];
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Vec2 a = kSkyline[i], b = kSkyline[i + 1];
        if (x <= b.x) {
            return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
        }
    }
    return kSkyline[n - 1].y;
}

struct Grid {
    int columns, rows;
    std::vector<int> positions; // row-major, (columns + 1) * (rows + 1)
    int at(int column, int row) const {
        return positions[static_cast<std::size_t>(row * (columns + 1) + column)];
    }
};

// Two triangles per cell, wound to face `outward`; texture coordinates come
// from the cell's corners projected onto the two axes given.
void addGridFaces(Mesh& mesh, const Grid& grid, Vec3 outward, Material material,
                  Vec2 (*texCoordOf)(Vec3)) {
    const auto& positions = mesh.positions();
    auto uv = [&](int index) { return texCoordOf(positions[static_cast<std::size_t>(index)]); };
    for (int r = 0; r < grid.rows; ++r) {
        for (int c = 0; c < grid.columns; ++c) {
            const int a = grid.at(c, r), b = grid.at(c + 1, r);
            const int d = grid.at(c, r + 1), e = grid.at(c + 1, r + 1);
            mesh.addTriangle({d, e, b}, {uv(d), uv(e), uv(b)}, outward, material);
            mesh.addTriangle({d, b, a}, {uv(d), uv(b), uv(a)}, outward, material);
        }
    }
}

Vec2 texCoordFacingZ(Vec3 p) {
    return {p.x / kTextureSpan, p.y / kTextureSpan};
}
Vec2 texCoordFacingX(Vec3 p) {
    return {p.z / kTextureSpan, p.y / kTextureSpan};
}

void addCliff(Mesh& mesh) {
    Grid grid{100, 14, {}};
    for (int r = 0; r <= grid.rows; ++r) {
        for (int c = 0; c <= grid.columns; ++c) {
            const double worldX = kLevelRight * c / grid.columns;
            const double wobble =
                (fractalNoise(worldX / 260.0, 0, 0, 4, kBackdropSeed) - 0.5) * 180.0;
            const double top = std::max(0.0, skylineAt(worldX) + wobble);
            // Rows crowd towards the top edge, where the relief is seen.
            const double t = std::pow(static_cast<double>(r) / grid.rows, 1.6);
            const double worldY = top + (kWorldBottom - top) * t;
            const double relief =
                (fractalNoise(worldX / 90.0, worldY / 90.0, 0, 4, kBackdropSeed + 1) - 0.5) * 14.0;
            // The upper part leans back like a slope rising to the ridge.
            const double lean = (1.0 - std::min(1.0, t * 4.0)) * 10.0;
            const Vec2 at = worldToFile(Vec2{worldX, worldY});
            grid.positions.push_back(
                mesh.addPosition({at.x, at.y, kBackdropDepth + relief - lean}));
        }
    }
    addGridFaces(mesh, grid, {0, 0, 1}, Material::Backdrop, texCoordFacingZ);
}

// A canyon wall at each end closes the gap between the solids and the cliff.
void addCanyonWall(Mesh& mesh, double worldX, double inward) {
    Grid grid{6, 20, {}};
    const double frontZ = kSolidBack + 4.0;
    for (int r = 0; r <= grid.rows; ++r) {
        for (int c = 0; c <= grid.columns; ++c) {
            const double z = frontZ + (kBackdropDepth - frontZ) * c / grid.columns;
            const double worldY = kWorldBottom * r / grid.rows;
            const double relief = fractalNoise(z / 5.0, worldY / 80.0, 0, 3, kBackdropSeed + 2);
            const double x = worldToFile(worldX) + inward * relief * 3.0;
            grid.positions.push_back(mesh.addPosition({x, -worldToFile(worldY), z}));
        }
    }
    addGridFaces(mesh, grid, {inward, 0, 0}, Material::Backdrop, texCoordFacingX);
}

// Unit icosahedron split once: 42 corners, 80 faces.
struct Sphere {
    std::vector<Vec3> corners;
    std::vector<std::array<int, 3>> faces;
};

Sphere makeSphere() {
    const double t = (1.0 + std::sqrt(5.0)) / 2.0;
    Sphere s;
    for (Vec3 v : {Vec3{-1, t, 0}, Vec3{1, t, 0}, Vec3{-1, -t, 0}, Vec3{1, -t, 0}, Vec3{0, -1, t},
                   Vec3{0, 1, t}, Vec3{0, -1, -t}, Vec3{0, 1, -t}, Vec3{t, 0, -1}, Vec3{t, 0, 1},
                   Vec3{-t, 0, -1}, Vec3{-t, 0, 1}}) {
        s.corners.push_back(normalized(v));
    }
    const std::vector<std::array<int, 3>> base = {
        {0, 11, 5},  {0, 5, 1},  {0, 1, 7},  {0, 7, 10}, {0, 10, 11}, {1, 5, 9}, {5, 11, 4},
        {11, 10, 2}, {10, 7, 6}, {7, 1, 8},  {3, 9, 4},  {3, 4, 2},   {3, 2, 6}, {3, 6, 8},
        {3, 8, 9},   {4, 9, 5},  {2, 4, 11}, {6, 2, 10}, {8, 6, 7},   {9, 8, 1}};
    auto midpoint = [&s](int a, int b) {
        s.corners.push_back(normalized(s.corners[static_cast<std::size_t>(a)] +
                                       s.corners[static_cast<std::size_t>(b)]));
        return static_cast<int>(s.corners.size()) - 1;
    };
    std::vector<std::array<int, 3>> split;
    std::vector<std::pair<std::pair<int, int>, int>> made;
    auto cached = [&](int a, int b) {
        const std::pair<int, int> key = std::minmax(a, b);
        for (const auto& [edge, index] : made) {
            if (edge == key) {
                return index;
            }
        }
        const int index = midpoint(a, b);
        made.push_back({key, index});
        return index;
    };
    for (const auto& f : base) {
        const int ab = cached(f[0], f[1]), bc = cached(f[1], f[2]), ca = cached(f[2], f[0]);
        split.insert(split.end(), {{f[0], ab, ca}, {f[1], bc, ab}, {f[2], ca, bc}, {ab, bc, ca}});
    }
    s.faces = split;
    return s;
}

struct Boulder {
    double worldX;
    double size; // world half-width
};

const Boulder kBoulders[] = {{300, 70},  {820, 55},  {1250, 90}, {1600, 60}, {2150, 80}, {3050, 65},
                             {3250, 85}, {3800, 70}, {4300, 95}, {4750, 60}, {5050, 75}, {5500, 90},
                             {6000, 70}, {6550, 85}, {7100, 60}, {7600, 80}};

void addBoulder(Mesh& mesh, const Sphere& sphere, const SolidOutline& ground, const Boulder& b,
                unsigned seed) {
    const Vec3 radius{b.size, b.size * (0.55 + 0.2 * hashToUnit(seed, 1, kRockSeed)),
                      b.size * (0.6 + 0.3 * hashToUnit(seed, 2, kRockSeed))};
    const double top = groundTopAt(ground, b.worldX);
    const Vec2 centre{b.worldX, top + 30 + radius.y};
    for (Vec2 corner : {Vec2{-1, -1}, Vec2{1, -1}, Vec2{1, 1}, Vec2{-1, 1}}) {
        if (!outlineContains(ground, centre + Vec2{corner.x * radius.x, corner.y * radius.y})) {
            return;
        }
    }
    const Vec2 fileCentre = worldToFile(centre);
    const double depth = 24.0 + worldToFile(radius.z) + 24.0 * hashToUnit(seed, 3, kRockSeed);
    const Vec3 middle{fileCentre.x, fileCentre.y, depth};
    std::vector<int> indices;
    for (const Vec3& unit : sphere.corners) {
        const double lump =
            0.75 + 0.5 * fractalNoise(unit.x * 2 + unit.z * 3, unit.y * 2 + seed, 0, 3, kRockSeed);
        const Vec3 offset{unit.x * worldToFile(radius.x), unit.y * worldToFile(radius.y),
                          unit.z * worldToFile(radius.z)};
        indices.push_back(mesh.addPosition(middle + offset * lump));
    }
    for (const auto& f : sphere.faces) {
        std::array<int, 3> corners{};
        std::array<Vec2, 3> texCoords{};
        Vec3 centroid;
        for (std::size_t k = 0; k < 3; ++k) {
            corners[k] = indices[static_cast<std::size_t>(f[k])];
            const Vec3& p = mesh.positions()[static_cast<std::size_t>(corners[k])];
            texCoords[k] = {(p.x + p.z) / 8.0, p.y / 8.0};
            centroid = centroid + p * (1.0 / 3.0);
        }
        mesh.addTriangle(corners, texCoords, centroid - middle, Material::Rock);
    }
}

} // namespace

void addBackdrop(Mesh& mesh) {
    addCliff(mesh);
    addCanyonWall(mesh, 0, 1);
    addCanyonWall(mesh, kLevelRight, -1);
}

void addForegroundRocks(Mesh& mesh, const LevelLayout& layout) {
    const Sphere sphere = makeSphere();
    unsigned seed = 1;
    for (const Boulder& boulder : kBoulders) {
        addBoulder(mesh, sphere, layout.ground, boulder, seed++);
    }
}

} // namespace level
