// Statements by their first word, whatever white space follows it. Faces may
// give a corner as p, p/t, p//n or p/t/n, with indices counting from 1 or,
// when negative, back from the last entry written. Statements the game has
// no use for (lines, points, curves) are listed for the report.
#include "ObjExportReader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <unordered_map>

#include "ExportText.h"
#include "LevelText.h"
#include "MtlExportReader.h"

namespace {

namespace fs = std::filesystem;
using exporttext::restAfter;

// The longest statement the game reads.
constexpr std::size_t kGameLineLimit = 255;

bool isGrouping(std::string_view keyword) {
    return keyword == "o" || keyword == "g" || keyword == "s" || keyword == "mg";
}

class ObjExportParser {
  public:
    explicit ObjExportParser(const std::string& objPath) : m_path(objPath) {
        m_scene.objPath = objPath;
    }

    ExportScene read() {
        const std::string text = exporttext::readWholeFile(m_path);
        exporttext::StatementReader statements(text);
        std::string_view statement;
        while (statements.next(statement)) {
            m_line = statements.line();
            if (statements.longestLine() > kGameLineLimit) {
                ++m_scene.counts.longLines;
            }
            readStatement(statement);
        }
        return std::move(m_scene);
    }

  private:
    void readStatement(std::string_view statement) {
        const std::string_view keyword = exporttext::keywordOf(statement);
        const std::string_view rest = restAfter(statement, keyword);
        if (keyword == "v") {
            m_scene.counts.positionsWithOneSpace += statement.rfind("v  ", 0) != 0;
            m_scene.positions.push_back(readNumbers(rest, 3, 3, "position"));
        } else if (keyword == "vt") {
            m_scene.texCoords.push_back(readNumbers(rest, 1, 3, "texture coordinate"));
        } else if (keyword == "vn") {
            m_scene.normals.push_back(readNumbers(rest, 3, 3, "normal"));
        } else if (keyword == "f") {
            readFace(rest);
        } else if (keyword == "usemtl") {
            useMaterial(rest);
        } else if (keyword == "mtllib") {
            readLibraries(rest);
        } else if (keyword[0] != '#' && !isGrouping(keyword)) {
            m_scene.passedOver.push_back({m_path, m_line, std::string(statement)});
        }
    }

    // At least `least` numbers; missing ones up to three are 0, and numbers
    // beyond three (a w, vertex colours) are no concern of the game.
    Point3 readNumbers(std::string_view fields, int least, int most, const char* what) {
        leveltext::FieldReader reader(fields);
        float values[3] = {0, 0, 0};
        int read = 0;
        while (read < most && reader.readFloat(values[read])) {
            ++read;
        }
        if (read < least) {
            fail(std::string("a ") + what + " needs " +
                 (least == 1 ? "a number" : "three numbers"));
        }
        for (int i = 0; i < read; ++i) {
            if (!std::isfinite(values[i])) {
                fail(std::string("a ") + what + " has a number that is not finite");
            }
        }
        if (read < 3 && least < 3) {
            ++m_scene.counts.shortTexCoords;
        }
        return {values[0], values[1], values[2]};
    }

    void readFace(std::string_view fields) {
        ExportPolygon polygon{static_cast<std::uint32_t>(m_scene.corners.size()), 0,
                              m_currentMaterial, static_cast<std::uint32_t>(m_line)};
        const char* p = fields.data();
        // Some programs close a face with a comment.
        const char* end = p + std::min(fields.find('#'), fields.size());
        while (p != end && leveltext::isWhiteSpace(end[-1])) {
            --end;
        }
        while (p != end) {
            m_scene.corners.push_back(readCorner(p, end));
            ++polygon.cornerCount;
            while (p != end && leveltext::isWhiteSpace(*p)) {
                ++p;
            }
        }
        if (polygon.cornerCount < 3) {
            fail("a face needs at least three corners");
        }
        m_scene.polygons.push_back(polygon);
    }

    ExportCorner readCorner(const char*& p, const char* end) {
        ExportCorner corner{0, kNotGiven, kNotGiven};
        corner.position = readIndex(p, end, m_scene.positions.size(), "position");
        if (p != end && *p == '/') {
            ++p;
            if (p != end && *p != '/') {
                corner.texCoord = readIndex(p, end, m_scene.texCoords.size(), "texture coordinate");
            }
            if (p != end && *p == '/') {
                ++p;
                corner.normal = readIndex(p, end, m_scene.normals.size(), "normal");
            }
        }
        if (p != end && !leveltext::isWhiteSpace(*p)) {
            fail("a face corner is p, p/t, p//n or p/t/n");
        }
        return corner;
    }

    std::uint32_t readIndex(const char*& p, const char* end, std::size_t listSize,
                            const char* what) {
        long long written = 0;
        const auto [next, error] = std::from_chars(p, end, written);
        if (error != std::errc() || next == p) {
            fail("a face corner is p, p/t, p//n or p/t/n");
        }
        p = next;
        const long long size = static_cast<long long>(listSize);
        if (written < 0) {
            ++m_scene.counts.relativeIndices;
            written += size + 1;
            if (written < 1) {
                fail(std::string("a face refers back to a ") + what + " before the first one");
            }
        }
        if (written == 0) {
            fail("face indices count from 1");
        }
        if (written > size || written > static_cast<long long>(kNotGiven - 1)) {
            fail(std::string("a face refers to ") + what + " " + std::to_string(written) +
                 ", but only " + std::to_string(listSize) + " are written above it");
        }
        return static_cast<std::uint32_t>(written - 1);
    }

    void useMaterial(std::string_view name) {
        if (name.empty()) {
            fail("\"usemtl\" needs a material name");
        }
        const auto [found, added] =
            m_materialIndex.try_emplace(std::string(name), m_scene.usedMaterials.size());
        if (added) {
            m_scene.usedMaterials.emplace_back(name);
            m_scene.usedMaterialLines.push_back(m_line);
        }
        m_currentMaterial = static_cast<std::int32_t>(found->second);
    }

    // Several names may follow; a name with spaces (as some programs write
    // the library of a level named with spaces) is tried whole first.
    void readLibraries(std::string_view names) {
        if (names.empty()) {
            fail("\"mtllib\" needs a file name");
        }
        const fs::path folder = fs::path(m_path).parent_path();
        std::error_code ignored;
        if (fs::is_regular_file(folder / std::string(names), ignored)) {
            return readLibrary(folder / std::string(names), names);
        }
        leveltext::FieldReader reader(names);
        std::string_view name;
        while (reader.readWord(name)) {
            readLibrary(folder / std::string(name), name);
        }
    }

    void readLibrary(const fs::path& path, std::string_view written) {
        std::error_code ignored;
        if (!fs::is_regular_file(path, ignored)) {
            m_scene.warnings.push_back(
                {m_path, m_line,
                 "material library \"" + std::string(written) +
                     "\" not found; its materials get the plain grey of faces "
                     "without a material"});
            return;
        }
        readMtlExport(path.string(), m_scene);
    }

    [[noreturn]] void fail(const std::string& what) const {
        throw ConvertError(m_path, m_line, what);
    }

    std::string m_path;
    ExportScene m_scene;
    std::size_t m_line = 0;
    std::int32_t m_currentMaterial = -1;
    std::unordered_map<std::string, std::size_t> m_materialIndex;
};

} // namespace

ExportScene readObjExport(const std::string& objPath) {
    return ObjExportParser(objPath).read();
}
