// The level mesh as the generator builds it, in file units: shared
// positions, and triangles that carry their own texture coordinates, face
// normal and material.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "LevelMath.h"

namespace level {

enum class Material { Rock, Grass, Brick, Backdrop };

struct Triangle {
    std::array<int, 3> corners{}; // indices into Mesh::positions
    std::array<Vec2, 3> texCoords{};
    Vec3 normal;
    Material material = Material::Rock;
};

class Mesh {
  public:
    int addPosition(Vec3 position);
    // Adds the triangle wound counter-clockwise as seen from the side that
    // `outward` points to: both back-face culling and the one-sided collision
    // lines cut from the mesh take that side as the outside of the solid.
    // Degenerate triangles are dropped.
    void addTriangle(std::array<int, 3> corners, std::array<Vec2, 3> texCoords, Vec3 outward,
                     Material material);

    const std::vector<Vec3>& positions() const { return m_positions; }
    const std::vector<Triangle>& triangles() const { return m_triangles; }

  private:
    std::vector<Vec3> m_positions;
    std::vector<Triangle> m_triangles;
};

} // namespace level
