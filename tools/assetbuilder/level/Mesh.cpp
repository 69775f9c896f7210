// Winding is decided here once, from the outward hint, so that no builder
// of level parts has to get the corner order right by hand.
#include "Mesh.h"

#include <cmath>
#include <utility>

namespace level {

namespace {

// Twice the area below which a triangle (in square file units) is dropped:
// after rounding to the written precision its winding would be unreliable.
constexpr double kDegenerateArea = 1e-4;
// Positions are kept at the precision the file is written with, so that the
// normals and winding checked here are those of the written numbers.
constexpr double kWrittenPrecision = 1e4;

double roundToWritten(double value) {
    return std::round(value * kWrittenPrecision) / kWrittenPrecision;
}

} // namespace

int Mesh::addPosition(Vec3 position) {
    m_positions.push_back(
        {roundToWritten(position.x), roundToWritten(position.y), roundToWritten(position.z)});
    return static_cast<int>(m_positions.size()) - 1;
}

void Mesh::addTriangle(std::array<int, 3> corners, std::array<Vec2, 3> texCoords, Vec3 outward,
                       Material material) {
    const Vec3& a = m_positions[static_cast<std::size_t>(corners[0])];
    const Vec3& b = m_positions[static_cast<std::size_t>(corners[1])];
    const Vec3& c = m_positions[static_cast<std::size_t>(corners[2])];
    Vec3 normal = cross(b - a, c - a);
    if (length(normal) < kDegenerateArea) {
        return;
    }
    if (dot(normal, outward) < 0) {
        std::swap(corners[1], corners[2]);
        std::swap(texCoords[1], texCoords[2]);
        normal = normal * -1.0;
    }
    m_triangles.push_back({corners, texCoords, normalized(normal), material});
}

} // namespace level
