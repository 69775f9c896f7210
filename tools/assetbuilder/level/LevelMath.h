// The small vector types the level generator works in. Level design is done
// in world units (y down); the mesh is built in file units (y up, 1/8 scale).
#pragma once

#include <cmath>

namespace level {

struct Vec2 {
    double x = 0, y = 0;
};

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
    return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double s) {
    return {a.x * s, a.y * s};
}
inline double length(Vec2 a) {
    return std::sqrt(a.x * a.x + a.y * a.y);
}
inline double cross(Vec2 a, Vec2 b) {
    return a.x * b.y - a.y * b.x;
}
inline Vec2 normalized(Vec2 a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline double dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec3 a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalized(Vec3 a) {
    const double l = length(a);
    return l > 0 ? a * (1.0 / l) : a;
}

// The loader multiplies file coordinates by 8 and turns y downwards.
constexpr double kWorldPerFileUnit = 8.0;
// The game's level is a square of this many world units from (0, 0).
constexpr double kWorldSize = 9000.0;

inline Vec2 worldToFile(Vec2 world) {
    return {world.x / kWorldPerFileUnit, -world.y / kWorldPerFileUnit};
}
inline double worldToFile(double worldLength) {
    return worldLength / kWorldPerFileUnit;
}

} // namespace level
