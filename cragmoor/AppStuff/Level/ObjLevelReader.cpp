// The OBJ and MTL subset of a level. Statements are recognised by their
// exact prefixes ("v" and two spaces, "vt ", "f ", ...); anything else is
// passed over, and a statement that is recognised but malformed ends the
// loading with a fatal error, as does a face index outside the lists read so
// far: the game must never draw or collide with a corner that does not exist.
#include "ObjLevelReader.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <utility>

#include "LevelText.h"

namespace {

using leveltext::FieldReader;

// The level files are modelled at an eighth of the world's size, with y
// upwards; the world's y grows downwards.
constexpr float kLevelScale = 8.0f;

// What a face's 32-bit index can reach.
constexpr unsigned long long kMostCorners = 1ULL << 32;

// Compares character by character: prefixes are a few characters long and
// tested on every line.
template <std::size_t N> bool startsWith(std::string_view line, const char (&prefix)[N]) {
    if (line.size() < N - 1) {
        return false;
    }
    for (std::size_t i = 0; i + 1 < N; ++i) {
        if (line[i] != prefix[i]) {
            return false;
        }
    }
    return true;
}

// Statements that only group or smooth faces: passing over them loses
// nothing, so they are not worth reporting.
bool isGroupingStatement(std::string_view word) {
    return word == "g" || word == "o" || word == "s" || word == "mg";
}

class ObjLevelParser {
  public:
    ObjLevelParser(Logger& logger, LevelReadPlace* failedAt)
        : m_logger(logger), m_failedAt(failedAt) {}

    LevelData read(const char* objPath) {
        leveltext::LineReader lines;
        if (!lines.open(objPath)) {
            return {};
        }
        reserveForStatementsIn(objPath);
        m_file = objPath;
        readStatements(lines, [this](std::string_view line) { objStatement(line); });
        return std::move(m_level);
    }

  private:
    template <class Statement>
    void readStatements(leveltext::LineReader& lines, Statement statement) {
        std::string_view line;
        while (lines.next(line)) {
            m_line = lines.lineNumber();
            // A line that starts with a NUL says nothing.
            if (!line.empty()) {
                statement(line);
            }
        }
        if (lines.stoppedAtLongLine()) {
            m_level.cutShort.push_back({m_file, lines.lineNumber(), lines.longLineStart()});
        }
    }

    // A quick count first spares the lists of a large level from growing
    // step by step, which costs more than reading the file twice.
    void reserveForStatementsIn(const char* objPath) {
        leveltext::LineReader lines;
        lines.open(objPath);
        std::size_t positions = 0, normals = 0, texCoords = 0, faces = 0;
        std::string_view line;
        while (lines.next(line)) {
            positions += startsWith(line, "v  ");
            normals += startsWith(line, "vn ");
            texCoords += startsWith(line, "vt ");
            faces += startsWith(line, "f ");
        }
        m_level.positions.reserve(positions);
        m_level.normals.reserve(normals);
        m_level.texCoords.reserve(texCoords);
        m_level.faces.reserve(faces);
    }

    void objStatement(std::string_view line) {
        switch (line[0]) {
        case '#':
            return;
        case 'v':
            if (startsWith(line, "v  ")) {
                return readPosition(line.substr(3));
            }
            if (startsWith(line, "vn ")) {
                return readVector(line.substr(3), m_level.normals, "vn");
            }
            if (startsWith(line, "vt ")) {
                return readVector(line.substr(3), m_level.texCoords, "vt");
            }
            break;
        case 'f':
            if (startsWith(line, "f ")) {
                return readFace(line.substr(2));
            }
            break;
        case 'm':
            if (startsWith(line, "mtllib ")) {
                return readMaterialLibrary(line.substr(7));
            }
            break;
        case 'u':
            if (startsWith(line, "usemtl ")) {
                return useMaterial(line.substr(7));
            }
            break;
        }
        if (!isGroupingStatement(leveltext::firstWord(line))) {
            noteIgnored(line);
        }
    }

    void mtlStatement(std::string_view line) {
        switch (line[0]) {
        case '#':
            return;
        case 'n':
            if (startsWith(line, "newmtl ")) {
                m_materialName = std::string(readName(line.substr(7), "newmtl"));
                return;
            }
            break;
        case 'm':
            if (startsWith(line, "map_Ka ")) {
                return addMaterial(readName(line.substr(7), "map_Ka"));
            }
            break;
        }
        // Colours and the other maps are no concern of the game, but a
        // texture map under another name is a texture the level maker may
        // expect to see.
        const std::string_view word = leveltext::firstWord(line);
        if (startsWith(word, "map_") || word == "newmtl") {
            noteIgnored(line);
        }
    }

    void readPosition(std::string_view fields) {
        float x = 0, y = 0, z = 0;
        readThree(fields, x, y, z, "v");
        m_level.positions.emplace_back(kLevelScale * x, -kLevelScale * y, kLevelScale * z);
    }

    void readVector(std::string_view fields, std::vector<Vector3>& list, const char* statement) {
        float x = 0, y = 0, z = 0;
        readThree(fields, x, y, z, statement);
        list.emplace_back(x, y, z);
    }

    void readThree(std::string_view fields, float& x, float& y, float& z, const char* statement) {
        FieldReader reader(fields);
        if (!reader.readFloat(x) || !reader.readFloat(y) || !reader.readFloat(z)) {
            fail(statement, "needs three numbers");
        }
    }

    // Three corners, each "position/texture coordinate/normal". What follows
    // the third corner is passed over unless it is a fourth corner.
    void readFace(std::string_view fields) {
        FieldReader reader(fields);
        std::array<std::array<long long, 3>, 3> written{};
        for (auto& corner : written) {
            if (!readCorner(reader, corner)) {
                refuseFace(fields);
            }
        }
        std::array<long long, 3> extra{};
        if (readCorner(reader, extra)) {
            refuseFace(fields);
        }
        for (const auto& corner : written) {
            if (corner[0] < 0 || corner[1] < 0 || corner[2] < 0) {
                fail("f", "negative (relative) indices are not read");
            }
        }
        LevelFace face{};
        for (std::size_t i = 0; i < 3; ++i) {
            face.position[i] = listIndex(written[i][0], m_level.positions.size(), "position");
            face.texCoord[i] =
                listIndex(written[i][1], m_level.texCoords.size(), "texture coordinate");
            face.normal[i] = listIndex(written[i][2], m_level.normals.size(), "normal");
        }
        face.material = m_currentMaterial;
        face.line = m_line;
        m_level.faces.push_back(face);
        cutIntoCollisionLine(face);
    }

    static bool readCorner(FieldReader& reader, std::array<long long, 3>& corner) {
        return reader.readInteger(corner[0]) && reader.readLiteral('/') &&
               reader.readInteger(corner[1]) && reader.readLiteral('/') &&
               reader.readInteger(corner[2]);
    }

    // Says which rule a face statement broke: a face of well-formed corners
    // that are not three, or a corner that is not three indices.
    [[noreturn]] void refuseFace(std::string_view fields) {
        std::size_t corners = 0;
        bool wellFormed = true;
        FieldReader words(fields);
        std::string_view word;
        while (words.readWord(word)) {
            ++corners;
            FieldReader cornerReader(word);
            std::array<long long, 3> corner{};
            std::string_view rest;
            wellFormed =
                wellFormed && readCorner(cornerReader, corner) && !cornerReader.readWord(rest);
        }
        char reason[LOG_MESSAGE_LEN];
        if (wellFormed) {
            std::snprintf(reason, sizeof reason,
                          "only triangles are read, found a face of %zu corners%s", corners,
                          corners > 3 ? "; levelconvert cuts larger faces into triangles" : "");
        } else {
            const std::string_view shown = fields.substr(0, fields.find_last_not_of(" \t\r") + 1);
            std::snprintf(reason, sizeof reason,
                          "each corner needs position/texture/normal indices, found `f %.*s`",
                          static_cast<int>(shown.size()), shown.data());
        }
        fail("f", reason);
    }

    std::uint32_t listIndex(long long written, std::size_t listSize, const char* what) {
        const auto usable = std::min<unsigned long long>(listSize, kMostCorners);
        if (written >= 1 && static_cast<unsigned long long>(written) <= usable) {
            return static_cast<std::uint32_t>(written - 1);
        }
        const char* why = written == 0 ? "; indices count from 1" : "";
        char reason[LOG_MESSAGE_LEN];
        std::snprintf(reason, sizeof reason, "%s index %lld out of range (%zu read so far%s)", what,
                      written, listSize, why);
        fail("f", reason);
    }

    void cutIntoCollisionLine(const LevelFace& face) {
        const auto& at = m_level.positions;
        if (const std::optional<Line2> line =
                cutFace(at[face.position[0]], at[face.position[1]], at[face.position[2]])) {
            m_level.collisionLines.push_back(*line);
            m_level.collisionLineFace.push_back(m_level.faces.size() - 1);
        }
    }

    void readMaterialLibrary(std::string_view fields) {
        m_logger.logDebug("Parsing textures");
        const std::string path(readName(fields, "mtllib"));
        leveltext::LineReader lines;
        if (!lines.open(path.c_str())) {
            char message[LOG_MESSAGE_LEN];
            std::snprintf(message, sizeof message, "Material %s failed to open", path.c_str());
            failWith(message);
        }
        const std::string objFile = std::exchange(m_file, path);
        const std::size_t objLine = m_line;
        m_materialName.clear();
        readStatements(lines, [this](std::string_view line) { mtlStatement(line); });
        m_file = objFile;
        m_line = objLine;
    }

    // A later "map_Ka" under the same name takes the name over.
    void addMaterial(std::string_view texturePath) {
        const int index = static_cast<int>(m_level.materials.size());
        m_level.materials.push_back({m_materialName, std::string(texturePath)});
        m_materialIndex.insert_or_assign(m_materialName, index);
    }

    void useMaterial(std::string_view fields) {
        const std::string_view name = readName(fields, "usemtl");
        const auto found = m_materialIndex.find(name);
        m_currentMaterial = found == m_materialIndex.end() ? -1 : found->second;
        m_level.materialUses.push_back(
            {std::string(name), m_currentMaterial, m_level.faces.size()});
    }

    std::string_view readName(std::string_view fields, const char* statement) {
        FieldReader reader(fields);
        std::string_view name;
        if (!reader.readWord(name)) {
            fail(statement, "needs a name");
        }
        return name;
    }

    void noteIgnored(std::string_view line) {
        m_level.ignored.push_back({m_file, m_line, std::string(line)});
    }

    // The statement's message stands alone on its line, as people and scripts
    // search for it; why, and where, follow on the next line.
    [[noreturn]] void fail(const char* statement, const char* reason) {
        char message[LOG_MESSAGE_LEN];
        std::snprintf(message, sizeof message, "Error in file format -- %s\n  in %s, line %zu: %s",
                      statement, m_file.c_str(), m_line, reason);
        failWith(message);
    }

    [[noreturn]] void failWith(const char* message) {
        if (m_failedAt != nullptr) {
            *m_failedAt = {m_file, m_line, m_level.ignored};
        }
        m_logger.logFatalError("%s", message);
        // A logger is meant to throw; should one return, reading must still
        // not go on with the bad statement.
        throw std::runtime_error(message);
    }

    Logger& m_logger;
    LevelReadPlace* m_failedAt;
    LevelData m_level;
    std::string m_file;
    std::size_t m_line = 0;
    int m_currentMaterial = -1;
    std::string m_materialName;
    std::map<std::string, int, std::less<>> m_materialIndex;
};

} // namespace

LevelData readObjLevel(const char* objPath, Logger& logger, LevelReadPlace* failedAt) {
    return ObjLevelParser(logger, failedAt).read(objPath);
}
