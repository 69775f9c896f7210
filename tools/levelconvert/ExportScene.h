// An OBJ export as a modelling program wrote it, read into lists: every
// index made absolute and 0-based, polygons kept whole, materials with the
// image each one names. Nothing here is in the game's form yet.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

struct Point3 {
    double x = 0, y = 0, z = 0;
};

// A corner's texture coordinate or normal that the face does not give.
constexpr std::uint32_t kNotGiven = UINT32_MAX;

struct ExportCorner {
    std::uint32_t position;
    std::uint32_t texCoord; // kNotGiven when missing
    std::uint32_t normal;   // kNotGiven when missing
};

struct ExportPolygon {
    std::uint32_t firstCorner;
    std::uint32_t cornerCount;
    // Index into ExportScene::materialUses' names; -1 before any "usemtl".
    std::int32_t material;
    std::uint32_t line;
};

// A texture map's options that change where the image lies on the surface
// ("-o", "-s"); the others say nothing the game can show.
struct MapPlacement {
    Point3 offset{0, 0, 0};
    Point3 scale{1, 1, 1};
    bool isIdentity() const {
        return offset.x == 0 && offset.y == 0 && offset.z == 0 && scale.x == 1 && scale.y == 1 &&
               scale.z == 1;
    }
};

struct ExportMaterial {
    std::string name;
    std::string library; // the MTL file it was declared in
    std::size_t line = 0;
    // The image as written ("map_Ka", else "map_Kd"), options removed; empty
    // when the material names none.
    std::string image;
    std::size_t imageLine = 0;
    bool imageFromDiffuse = false;
    MapPlacement placement;
    std::optional<Point3> diffuseColour; // "Kd"
};

// A line that says something the game cannot show, kept for the report.
struct ExportNote {
    std::string file;
    std::size_t line;
    std::string text;
};

struct ExportCounts {
    std::size_t positionsWithOneSpace = 0; // written other than "v" and two spaces
    std::size_t relativeIndices = 0;
    std::size_t shortTexCoords = 0; // fewer than three numbers
    std::size_t longLines = 0;      // longer than the game reads
};

struct ExportScene {
    std::string objPath;
    std::vector<Point3> positions;
    std::vector<Point3> texCoords;
    std::vector<Point3> normals;
    std::vector<ExportCorner> corners;
    std::vector<ExportPolygon> polygons;
    // "usemtl" names in the order of first use; polygons index into it.
    std::vector<std::string> usedMaterials;
    std::vector<std::size_t> usedMaterialLines; // where each is first used
    std::vector<ExportMaterial> materials;
    std::vector<std::string> libraries; // MTL files read, as found
    std::vector<ExportNote> warnings;   // what the game will show other than meant
    std::vector<ExportNote> passedOver; // statements the game has no use for
    ExportCounts counts;
};

// A file the converter cannot mend: the message names the file and line.
class ConvertError : public std::runtime_error {
  public:
    ConvertError(const std::string& file, std::size_t line, const std::string& what)
        : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : "") + ": " + what) {}
};
