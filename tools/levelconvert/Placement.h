// Where an export lands in the game's world. Everything here is in the
// level file's units (one is 8 world units), with y up; the game turns y
// downwards when it reads the file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "ExportScene.h"

struct PlacementOptions {
    double scale = 1;
    Point3 offset{0, 0, 0};
    // Turns a z-up export y-up: (x, y, z) becomes (x, z, -y), a rotation,
    // so faces keep their outside.
    bool swapYZ = false;
    // World units the model's x extent is scaled to, or less when the model would
    // otherwise reach below the world; replaces scale and offset.
    std::optional<double> fitWidth;
};

class Placement {
  public:
    Placement(bool swapYZ, double scale, const Point3& offset)
        : m_swapYZ(swapYZ), m_scale(scale), m_offset(offset) {}

    Point3 position(const Point3& p) const {
        const Point3 r = turned(p);
        return {r.x * m_scale + m_offset.x, r.y * m_scale + m_offset.y, r.z * m_scale + m_offset.z};
    }
    // A uniform positive scale leaves directions as they are.
    Point3 direction(const Point3& d) const { return turned(d); }
    double scale() const { return m_scale; }
    const Point3& offset() const { return m_offset; }
    // For a fitted model, the extent that decided the scale: "width" or
    // "height"; null otherwise.
    const char* fittedBy = nullptr;

  private:
    Point3 turned(const Point3& p) const { return m_swapYZ ? Point3{p.x, p.z, -p.y} : p; }

    bool m_swapYZ;
    double m_scale;
    Point3 m_offset;
};

// World units per file unit, as the game reads a level.
constexpr double kWorldPerFileUnit = 8.0;
// Where --fit puts the model's highest point: world y 100, below the player's
// start at (400, 0).
constexpr double kFitTopWorldY = 100.0;
// The world's side: a fitted model stays within it.
constexpr double kFitWorldSize = 9000.0;

// The placement the options ask for over these positions. Throws
// std::invalid_argument when --fit meets a model without width.
Placement decidePlacement(const PlacementOptions& options, const std::vector<Point3>& positions);
