#include "ConversionTest.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

} // namespace

void ConversionTest::write(const std::string& name, const std::string& text) const {
    const fs::path path = fs::path(files.directory()) / "export" / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

void ConversionTest::write(const ExportFiles& files) const {
    for (std::size_t i = 0; i + 1 < files.size(); i += 2) {
        write(files[i], files[i + 1]);
    }
}

LevelData ConversionTest::convert(const std::string& objName, const PlacementOptions& placement) {
    report = convertLevel({"export/" + objName, "game.obj", placement});
    return readObjLevel("game.obj", logger);
}

LevelData ConversionTest::convertObj(const std::string& obj, const PlacementOptions& placement) {
    write("level.obj", obj);
    return convert("level.obj", placement);
}

std::string ConversionTest::errorOf(const std::string& objName) {
    try {
        convert(objName);
    } catch (const ConvertError& error) {
        return error.what();
    }
    return "";
}

std::string ConversionTest::writtenObj() const {
    return readFile(fs::path(files.directory()) / "game.obj");
}

std::string ConversionTest::resource(const std::string& name) const {
    return readFile(fs::path(files.directory()) / "Resources" / name);
}

std::string ConversionTest::notes() const {
    const ExportCounts& read = report.read;
    const MeshCounts& mesh = report.mesh;
    const MaterialCounts& materials = report.materialCounts;
    const std::pair<const char*, std::size_t> counts[] = {
        {"one space", read.positionsWithOneSpace}, {"relative", read.relativeIndices},
        {"short vt", read.shortTexCoords},         {"long", read.longLines},
        {"cut", mesh.polygonsTriangulated},        {"added", mesh.trianglesAdded},
        {"normals", mesh.normalsComputed},         {"planar", mesh.texCoordsPlanar},
        {"placed", mesh.texCoordsPlaced},          {"renamed", materials.renamed},
        {"diffuse", materials.fromDiffuse},        {"colour", materials.fromColour},
        {"copied", materials.imagesCopied},        {"default", materials.facesGivenDefault}};
    std::string text;
    for (const auto& [name, count] : counts) {
        if (count > 0) {
            text += (text.empty() ? "" : ", ") + std::string(name) + " " + std::to_string(count);
        }
    }
    const auto addLine = [&](const std::string& line) {
        text += (text.empty() ? "" : "\n") + line;
    };
    for (const ExportNote& note : report.passedOver) {
        addLine("passed over " + std::to_string(note.line) + ": " + note.text);
    }
    for (const ExportNote& note : report.warnings) {
        addLine(note.file + ":" + std::to_string(note.line) + ": " + note.text);
    }
    return text;
}

std::string surface(const LevelData& level) {
    double area = 0;
    Vector3 facing(0, 0, 0);
    for (const LevelFace& f : level.faces) {
        const Vector3& a = level.positions[f.position[0]];
        const Vector3 twice =
            (level.positions[f.position[1]] - a).crossProduct(level.positions[f.position[2]] - a);
        area += twice.length() / 2;
        facing += twice * 0.5;
    }
    double cut = 0;
    for (const Line2& line : level.collisionLines) {
        cut += (line.m_b - line.m_a).length();
    }
    std::ostringstream text;
    // Adding 0 turns -0 into 0.
    text << level.faces.size() << " faces, " << level.collisionLines.size() << " lines of " << cut
         << ", area " << area << ", facing " << facing.m_x + 0.0 << " " << facing.m_y + 0.0 << " "
         << facing.m_z + 0.0;
    return text.str();
}

std::string tinyTga(unsigned char red, unsigned char green, unsigned char blue) {
    std::string tga(18, '\0');
    tga[2] = 2;   // uncompressed true colour
    tga[12] = 2;  // width
    tga[14] = 2;  // height
    tga[16] = 24; // bits a pixel
    for (int i = 0; i < 4; ++i) {
        tga += {static_cast<char>(blue), static_cast<char>(green), static_cast<char>(red)};
    }
    return tga;
}
