// Missing texture coordinates get a planar mapping: a corner takes its
// position on the axis plane its face looks along most, so that a front,
// a floor and a wall each show the image undistorted. Missing normals are
// the face's own, facing the way its winding says.
#include "GameMesh.h"

#include <cmath>
#include <unordered_map>

#include "PolygonTriangulation.h"

namespace {

enum Axis { kX = 0, kY = 1, kZ = 2 };

Axis dominantAxis(const Point3& n) {
    const double ax = std::abs(n.x), ay = std::abs(n.y), az = std::abs(n.z);
    return az >= ax && az >= ay ? kZ : ax >= ay ? kX : kY;
}

Point3 normalized(const Point3& n) {
    const double length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    return length > 0 ? Point3{n.x / length, n.y / length, n.z / length} : Point3{0, 0, 1};
}

class MeshBuilder {
  public:
    MeshBuilder(ExportScene& scene, const Placement& placement,
                const std::vector<GameMaterial>& materials, MeshCounts& counts)
        : m_scene(scene), m_materials(materials), m_counts(counts) {
        m_mesh.positions.reserve(scene.positions.size());
        for (const Point3& p : scene.positions) {
            m_mesh.positions.push_back(placement.position(p));
        }
        m_mesh.texCoords = scene.texCoords;
        m_mesh.normals.reserve(scene.normals.size());
        for (const Point3& n : scene.normals) {
            m_mesh.normals.push_back(placement.direction(n));
        }
        m_mesh.corners.reserve(scene.corners.size());
        m_mesh.materials.reserve(scene.polygons.size());
    }

    GameMesh build() {
        for (const ExportPolygon& polygon : m_scene.polygons) {
            addPolygon(polygon);
        }
        return std::move(m_mesh);
    }

  private:
    void addPolygon(const ExportPolygon& polygon) {
        const ExportCorner* corners = &m_scene.corners[polygon.firstCorner];
        m_positions.clear();
        for (std::uint32_t i = 0; i < polygon.cornerCount; ++i) {
            m_positions.push_back(m_mesh.positions[corners[i].position]);
        }
        m_triangles.clear();
        if (!triangulatePolygon(m_positions, m_triangles)) {
            m_scene.warnings.push_back(
                {m_scene.objPath, polygon.line,
                 "the face crosses itself; its triangles may leave its outline"});
        }
        if (polygon.cornerCount > 3) {
            ++m_counts.polygonsTriangulated;
            m_counts.trianglesAdded += m_triangles.size() - 1;
        }
        m_faceNormal = kNotGiven;
        m_faceAxis = -1;
        m_gameCorners.clear();
        for (std::uint32_t i = 0; i < polygon.cornerCount; ++i) {
            m_gameCorners.push_back(gameCorner(corners[i], polygon.material));
        }
        for (const CornerTriangle& triangle : m_triangles) {
            for (std::uint32_t corner : triangle) {
                m_mesh.corners.push_back(m_gameCorners[corner]);
            }
            m_mesh.materials.push_back(polygon.material);
        }
    }

    GameCorner gameCorner(const ExportCorner& corner, std::int32_t material) {
        GameCorner game{corner.position, corner.texCoord, corner.normal};
        if (game.normal == kNotGiven) {
            game.normal = faceNormal();
        }
        if (game.texCoord == kNotGiven) {
            game.texCoord = planarTexCoord(corner.position);
        } else if (material >= 0 &&
                   !m_materials[static_cast<std::size_t>(material)].placement.isIdentity()) {
            game.texCoord = placedTexCoord(game.texCoord, material);
        }
        return game;
    }

    // One normal a face, written the first time a corner of it needs one.
    std::uint32_t faceNormal() {
        if (m_faceNormal == kNotGiven) {
            m_faceNormal = static_cast<std::uint32_t>(m_mesh.normals.size());
            m_mesh.normals.push_back(normalized(polygonNormal(m_positions)));
            ++m_counts.normalsComputed;
        }
        return m_faceNormal;
    }

    // Shared between faces that look along the same axis.
    std::uint32_t planarTexCoord(std::uint32_t position) {
        if (m_faceAxis < 0) {
            m_faceAxis = dominantAxis(polygonNormal(m_positions));
        }
        std::vector<std::uint32_t>& known = m_planar[m_faceAxis];
        if (known.empty()) {
            known.assign(m_mesh.positions.size(), kNotGiven);
        }
        if (known[position] == kNotGiven) {
            const Point3& p = m_mesh.positions[position];
            const double u = m_faceAxis == kX ? p.z : p.x;
            const double v = m_faceAxis == kY ? p.z : p.y;
            known[position] = static_cast<std::uint32_t>(m_mesh.texCoords.size());
            m_mesh.texCoords.push_back({u / kPlanarTextureSize, v / kPlanarTextureSize, 0});
            ++m_counts.texCoordsPlanar;
        }
        return known[position];
    }

    // u * scale + offset, the way renderers read a map's -s and -o.
    std::uint32_t placedTexCoord(std::uint32_t texCoord, std::int32_t material) {
        const std::uint64_t key =
            (std::uint64_t(static_cast<std::uint32_t>(material)) << 32) | texCoord;
        const auto [found, added] =
            m_placed.try_emplace(key, static_cast<std::uint32_t>(m_mesh.texCoords.size()));
        if (added) {
            const MapPlacement& map = m_materials[static_cast<std::size_t>(material)].placement;
            const Point3 t = m_mesh.texCoords[texCoord];
            m_mesh.texCoords.push_back({t.x * map.scale.x + map.offset.x,
                                        t.y * map.scale.y + map.offset.y,
                                        t.z * map.scale.z + map.offset.z});
            ++m_counts.texCoordsPlaced;
        }
        return found->second;
    }

    ExportScene& m_scene;
    const std::vector<GameMaterial>& m_materials;
    MeshCounts& m_counts;
    GameMesh m_mesh;
    // Scratch of the polygon at hand, kept to spare allocations.
    std::vector<Point3> m_positions;
    std::vector<CornerTriangle> m_triangles;
    std::vector<GameCorner> m_gameCorners;
    std::uint32_t m_faceNormal = kNotGiven;
    int m_faceAxis = -1;
    std::vector<std::uint32_t> m_planar[3];
    std::unordered_map<std::uint64_t, std::uint32_t> m_placed;
};

} // namespace

GameMesh buildGameMesh(ExportScene& scene, const Placement& placement,
                       const std::vector<GameMaterial>& materials, MeshCounts& counts) {
    return MeshBuilder(scene, placement, materials, counts).build();
}
