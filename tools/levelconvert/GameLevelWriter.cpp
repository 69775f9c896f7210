// Numbers are written as the shortest text that reads back as the same
// float, which is what the game reads them into; a level of hundreds of
// thousands of faces is written in one pass into one string.
#include "GameLevelWriter.h"

#include <charconv>

namespace {

class ObjText {
  public:
    explicit ObjText(std::size_t expectedLines) { m_text.reserve(expectedLines * 40); }

    void line(const char* text) {
        m_text += text;
        m_text += '\n';
    }
    void line(const std::string& keyword, const std::string& rest) {
        m_text += keyword;
        m_text += rest;
        m_text += '\n';
    }
    void vector(const char* keyword, const Point3& p) {
        m_text += keyword;
        number(p.x);
        m_text += ' ';
        number(p.y);
        m_text += ' ';
        number(p.z);
        m_text += '\n';
    }
    void face(const GameCorner* corners) {
        m_text += 'f';
        for (int i = 0; i < 3; ++i) {
            m_text += ' ';
            index(corners[i].position);
            m_text += '/';
            index(corners[i].texCoord);
            m_text += '/';
            index(corners[i].normal);
        }
        m_text += '\n';
    }
    std::string take() { return std::move(m_text); }

  private:
    void number(double value) {
        char digits[32];
        // Adding 0 turns -0 into 0.
        const auto end =
            std::to_chars(digits, digits + sizeof digits, static_cast<float>(value) + 0.0f).ptr;
        m_text.append(digits, end);
    }
    void index(std::uint32_t zeroBased) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, zeroBased + 1ULL).ptr;
        m_text.append(digits, end);
    }

    std::string m_text;
};

void commentLines(ObjText& out, const std::string& comment) {
    if (!comment.empty()) {
        out.line("# ", comment);
    }
}

} // namespace

std::string writeGameObj(const GameMesh& mesh, const std::vector<GameMaterial>& materials,
                         const std::string& mtlName, const std::string& comment) {
    const std::size_t triangles = mesh.materials.size();
    ObjText out(mesh.positions.size() + mesh.texCoords.size() + mesh.normals.size() + triangles);
    commentLines(out, comment);
    if (!materials.empty()) {
        out.line("mtllib ", mtlName);
    }
    for (const Point3& p : mesh.positions) {
        out.vector("v  ", p);
    }
    for (const Point3& t : mesh.texCoords) {
        out.vector("vt ", t);
    }
    for (const Point3& n : mesh.normals) {
        out.vector("vn ", n);
    }
    std::int32_t current = -1;
    for (std::size_t i = 0; i < triangles; ++i) {
        if (mesh.materials[i] != current && mesh.materials[i] >= 0) {
            current = mesh.materials[i];
            out.line("usemtl ", materials[static_cast<std::size_t>(current)].name);
        }
        out.face(&mesh.corners[3 * i]);
    }
    return out.take();
}

std::string writeGameMtl(const std::vector<GameMaterial>& materials, const std::string& comment) {
    ObjText out(2 * materials.size() + 1);
    commentLines(out, comment);
    for (const GameMaterial& material : materials) {
        out.line("newmtl ", material.name);
        if (!material.texture.empty()) {
            out.line("map_Ka ", material.texture);
        }
    }
    return out.take();
}
