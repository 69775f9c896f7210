#include "ConversionTest.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

Vector3 triangleFacing(const LevelData& level, std::size_t face) {
    const LevelFace& f = level.faces[face];
    const Vector3& a = level.positions[f.position[0]];
    const Vector3& b = level.positions[f.position[1]];
    const Vector3& c = level.positions[f.position[2]];
    return (b - a).crossProduct(c - a) * 0.5;
}

} // namespace

void ConversionTest::write(const std::string& name, const std::string& text) const {
    const fs::path path = fs::path(files.directory()) / "export" / name;
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

LevelData ConversionTest::convert(const std::string& objName, const PlacementOptions& placement) {
    report = convertLevel({"export/" + objName, "game.obj", placement});
    return readObjLevel("game.obj", logger);
}

std::string ConversionTest::writtenObj() const {
    std::ifstream file(fs::path(files.directory()) / "game.obj", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool ConversionTest::existsInResources(const std::string& name) const {
    return fs::is_regular_file(fs::path(files.directory()) / "Resources" / name);
}

std::string ConversionTest::warnings() const {
    std::string all;
    for (const ExportNote& note : report.warnings) {
        all += note.file + ":" + std::to_string(note.line) + ": " + note.text + "\n";
    }
    return all;
}

double totalArea(const LevelData& level) {
    double area = 0;
    for (std::size_t i = 0; i < level.faces.size(); ++i) {
        area += triangleFacing(level, i).length();
    }
    return area;
}

Vector3 facingSum(const LevelData& level) {
    Vector3 sum(0, 0, 0);
    for (std::size_t i = 0; i < level.faces.size(); ++i) {
        sum += triangleFacing(level, i);
    }
    return sum;
}

std::string tinyTga(unsigned char red, unsigned char green, unsigned char blue) {
    std::string tga(18, '\0');
    tga[2] = 2;   // uncompressed true colour
    tga[12] = 2;  // width
    tga[14] = 2;  // height
    tga[16] = 24; // bits a pixel
    for (int i = 0; i < 4; ++i) {
        tga += static_cast<char>(blue);
        tga += static_cast<char>(green);
        tga += static_cast<char>(red);
    }
    return tga;
}
