#include "Conversion.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>

#include "GameLevelWriter.h"
#include "ObjExportReader.h"

namespace {

namespace fs = std::filesystem;

// The world is 9000 world units square: 1125 file units, y up from -1125.
constexpr double kWorldFileUnits = 1125.0;

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
        throw ConvertError(path.string(), 0, "cannot be written");
    }
}

void measure(const GameMesh& mesh, ConversionReport& report) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    report.low = {kInfinity, kInfinity, kInfinity};
    report.high = {-kInfinity, -kInfinity, -kInfinity};
    for (const GameCorner& corner : mesh.corners) {
        const Point3& p = mesh.positions[corner.position];
        report.low = {std::min(report.low.x, p.x), std::min(report.low.y, p.y),
                      std::min(report.low.z, p.z)};
        report.high = {std::max(report.high.x, p.x), std::max(report.high.y, p.y),
                       std::max(report.high.z, p.z)};
    }
}

void warnOutsideWorld(const ConversionReport& report, std::vector<ExportNote>& warnings,
                      const std::string& output) {
    const bool empty = report.low.x > report.high.x;
    if (empty) {
        return;
    }
    if (report.low.x < 0 || report.high.x > kWorldFileUnits || report.high.y > 0 ||
        report.low.y < -kWorldFileUnits) {
        warnings.push_back({output, 0,
                            "the level reaches outside the 9000 x 9000 world; place it with "
                            "--fit, --scale or --offset"});
    }
}

std::string headerComment(const ConversionOptions& options) {
    std::string from = fs::path(options.input).filename().string();
    from = from.substr(0, std::min<std::size_t>(from.size(), 160));
    return "converted by levelconvert from " + from;
}

} // namespace

ConversionReport convertLevel(const ConversionOptions& options) {
    ExportScene scene = readObjExport(options.input);
    const Placement placement = decidePlacement(options.placement, scene.positions);
    const fs::path output(options.output);
    const fs::path folder = output.parent_path();
    if (!folder.empty()) {
        std::error_code ignored;
        fs::create_directories(folder, ignored);
    }
    ConversionReport report;
    report.resourcesFolder = (folder / "Resources").string();
    report.mtlPath = fs::path(output).replace_extension(".mtl").string();
    const MaterialMapping mapping =
        mapMaterials(scene, report.resourcesFolder, output.stem().string());
    const GameMesh mesh = buildGameMesh(scene, placement, mapping.materials, report.mesh);

    const std::string comment = headerComment(options);
    writeText(output, writeGameObj(mesh, mapping.materials,
                                   fs::path(report.mtlPath).filename().string(), comment));
    if (!mapping.materials.empty()) {
        writeText(report.mtlPath, writeGameMtl(mapping.materials, comment));
    }

    report.polygons = scene.polygons.size();
    report.triangles = mesh.materials.size();
    report.materials = mapping.materials.size();
    report.read = scene.counts;
    report.materialCounts = mapping.counts;
    report.scale = placement.scale();
    report.offset = placement.offset();
    report.fittedBy = placement.fittedBy;
    measure(mesh, report);
    warnOutsideWorld(report, scene.warnings, options.output);
    report.warnings = std::move(scene.warnings);
    report.passedOver = std::move(scene.passedOver);
    return report;
}
