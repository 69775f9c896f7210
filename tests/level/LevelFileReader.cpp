// Line-by-line reading with exact prefixes: "v" and two spaces, three
// numbers after "vt", triangles whose corners carry all three indices, and
// no line of 255 characters or more (the loader stops reading there).
#include "LevelFileReader.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr std::size_t kLongestLine = 254;

bool startsWith(const std::string& line, const char* prefix) {
    return line.rfind(prefix, 0) == 0;
}

bool readThree(const std::string& line, const char* format, FileVec3& out) {
    float a = 0, b = 0, c = 0;
    int used = 0;
    const std::string withEnd = std::string(format) + "%n";
    if (std::sscanf(line.c_str(), withEnd.c_str(), &a, &b, &c, &used) != 3 ||
        static_cast<std::size_t>(used) != line.size()) {
        return false;
    }
    out = {a, b, c};
    return true;
}

bool readFace(const std::string& line, ReadFace& face) {
    int used = 0;
    const int read =
        std::sscanf(line.c_str(), "f %d/%d/%d %d/%d/%d %d/%d/%d%n", &face.position[0],
                    &face.texCoord[0], &face.normal[0], &face.position[1], &face.texCoord[1],
                    &face.normal[1], &face.position[2], &face.texCoord[2], &face.normal[2], &used);
    return read == 9 && static_cast<std::size_t>(used) == line.size();
}

bool readName(const std::string& line, const char* prefix, std::string& name) {
    name = line.substr(std::string(prefix).size());
    return !name.empty() && name.find_first_of(" \t") == std::string::npos;
}

template <typename Handle>
std::vector<std::string> eachLine(const std::string& text, Handle handle) {
    std::vector<std::string> problems;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        const std::string where = "line " + std::to_string(number) + ": ";
        if (line.size() > kLongestLine) {
            problems.push_back(where + "longer than the loader reads");
        } else if (!line.empty() && line[0] != '#' && !handle(line, number)) {
            problems.push_back(where + "not understood: " + line);
        }
    }
    return problems;
}

bool inRange(int index, std::size_t count) {
    return index >= 1 && static_cast<std::size_t>(index) <= count;
}

} // namespace

ReadLevel readObj(const std::string& text) {
    ReadLevel level;
    std::string material;
    std::vector<std::string> rangeProblems;
    level.problems = eachLine(text, [&](const std::string& line, int number) {
        FileVec3 v;
        if (startsWith(line, "v  ")) {
            if (!readThree(line, "v  %f %f %f", v)) {
                return false;
            }
            level.positions.push_back(v);
            const auto x = static_cast<float>(v.x), y = static_cast<float>(v.y),
                       z = static_cast<float>(v.z);
            level.worldPositions.push_back({8.0f * x, -8.0f * y, 8.0f * z});
            return true;
        }
        if (startsWith(line, "vt ")) {
            level.texCoords.push_back(v);
            return readThree(line, "vt %f %f %f", level.texCoords.back());
        }
        if (startsWith(line, "vn ")) {
            level.normals.push_back(v);
            return readThree(line, "vn %f %f %f", level.normals.back());
        }
        if (startsWith(line, "f ")) {
            ReadFace face;
            face.material = material;
            face.line = number;
            if (!readFace(line, face)) {
                return false;
            }
            bool indicesValid = true;
            for (std::size_t i = 0; i < 3; ++i) {
                indicesValid = indicesValid && inRange(face.position[i], level.positions.size()) &&
                               inRange(face.texCoord[i], level.texCoords.size()) &&
                               inRange(face.normal[i], level.normals.size());
            }
            if (!indicesValid) {
                rangeProblems.push_back("line " + std::to_string(number) +
                                        ": index beyond the lists read so far");
            }
            level.faces.push_back(face);
            return true;
        }
        if (startsWith(line, "usemtl ")) {
            return readName(line, "usemtl ", material);
        }
        if (startsWith(line, "mtllib ")) {
            level.materialLibraries.emplace_back();
            return readName(line, "mtllib ", level.materialLibraries.back());
        }
        return false;
    });
    level.problems.insert(level.problems.end(), rangeProblems.begin(), rangeProblems.end());
    return level;
}

ReadMaterials readMtl(const std::string& text) {
    ReadMaterials result;
    std::string name;
    result.problems = eachLine(text, [&](const std::string& line, int) {
        if (startsWith(line, "newmtl ")) {
            return readName(line, "newmtl ", name);
        }
        if (startsWith(line, "map_Ka ")) {
            result.materials.push_back({name, {}});
            return readName(line, "map_Ka ", result.materials.back().texture);
        }
        return false;
    });
    return result;
}
