// The loader reads positions with "v  %f %f %f" (two spaces: a single space
// is ignored), needs three texture coordinates, and takes triangles only,
// each corner as position/texture/normal. Lines stay far below its 255
// character limit. Texture coordinates and normals are shared by value so
// that the file stays small.
#include "ObjWriter.h"

#include <cstdio>
#include <map>
#include <stdexcept>

namespace level {

namespace {

std::string formatNumbers(const char* prefix, double a, double b, double c) {
    char line[128];
    std::snprintf(line, sizeof line, "%s%.4f %.4f %.4f\n", prefix, a, b, c);
    return line;
}

// Numbers are written once and referred to by their 1-based index.
class IndexedLines {
  public:
    explicit IndexedLines(const char* prefix) : m_prefix(prefix) {}
    int indexOf(double a, double b, double c) {
        const std::string line = formatNumbers(m_prefix, a, b, c);
        const auto [it, added] = m_index.emplace(line, static_cast<int>(m_index.size()) + 1);
        if (added) {
            m_text += line;
        }
        return it->second;
    }
    const std::string& text() const { return m_text; }

  private:
    const char* m_prefix;
    std::map<std::string, int> m_index;
    std::string m_text;
};

const MaterialFile& fileOf(Material material, const std::vector<MaterialFile>& materials) {
    for (const MaterialFile& file : materials) {
        if (file.material == material) {
            return file;
        }
    }
    throw std::logic_error("level material without a material file");
}

} // namespace

std::string writeObj(const Mesh& mesh, const std::string& mtlFileName,
                     const std::vector<MaterialFile>& materials) {
    std::string positions;
    for (const Vec3& p : mesh.positions()) {
        positions += formatNumbers("v  ", p.x, p.y, p.z);
    }
    IndexedLines texCoords("vt ");
    IndexedLines normals("vn ");
    std::string faces;
    for (const MaterialFile& file : materials) {
        std::string group;
        for (const Triangle& triangle : mesh.triangles()) {
            if (triangle.material != file.material) {
                continue;
            }
            const Vec3& n = triangle.normal;
            const int normal = normals.indexOf(n.x, n.y, n.z);
            group += "f";
            for (std::size_t i = 0; i < 3; ++i) {
                const Vec2& uv = triangle.texCoords[i];
                const int texCoord = texCoords.indexOf(uv.x, uv.y, 0.0);
                group += " " + std::to_string(triangle.corners[i] + 1) + "/" +
                         std::to_string(texCoord) + "/" + std::to_string(normal);
            }
            group += "\n";
        }
        if (!group.empty()) {
            faces += "usemtl " + fileOf(file.material, materials).name + "\n" + group;
        }
    }
    return "# Level of cragmoor, written by the asset builder\n"
           "mtllib " +
           mtlFileName + "\n" + positions + texCoords.text() + normals.text() + faces;
}

std::string writeMtl(const std::vector<MaterialFile>& materials) {
    std::string text = "# Materials of the level: one texture each\n";
    for (const MaterialFile& file : materials) {
        text += "newmtl " + file.name + "\nmap_Ka " + file.textureName + "\n";
    }
    return text;
}

} // namespace level
