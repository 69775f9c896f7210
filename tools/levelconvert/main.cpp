// levelconvert: turns an OBJ export as modelling programs write it into the
// level subset cragmoor reads, reports what it changed, and checks the
// result with the level checker's rules.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "Conversion.h"
#include "LevelReport.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kListedNotes = 10;

const char* const kUsage =
    "usage: levelconvert <in.obj> <out.obj> [--scale S] [--offset X Y Z] [--swap-yz] [--fit W]\n"
    "\n"
    "Reads an OBJ export with its material libraries as modelling programs write\n"
    "them and writes <out.obj> and <out.mtl> in the subset cragmoor reads, with\n"
    "the images they use copied into a \"Resources\" folder beside them (named\n"
    "<out>_<image>, so that none is mistaken for one of the game's archive).\n"
    "Put all three in the game's run directory; the game reads \"legitLevel.obj\".\n"
    "\n"
    "It takes any white space and line ends, comments, groups, several material\n"
    "libraries, names with spaces, lines of any length, faces of any number of\n"
    "corners (triangulated, keeping the winding), p, p/t, p//n and p/t/n corners\n"
    "and negative indices. Missing normals are the face's own, facing as its\n"
    "winding says; missing texture coordinates are a planar mapping (the axis\n"
    "plane the face looks along most, one image every 16 file units). A material's\n"
    "image is its map_Ka, else its map_Kd (-o and -s applied to the texture\n"
    "coordinates); a material with only a Kd colour, or whose image is missing or\n"
    "cannot be decoded by the game, gets a plain picture of that colour. Faces\n"
    "left without any look (no material, or one no library defines) are plain\n"
    "grey: nothing is drawn untextured.\n"
    "\n"
    "Placement, in file units (one is 8 world units; the game turns y downwards):\n"
    "  --swap-yz       for z-up exports: (x, y, z) becomes (x, z, -y), a rotation\n"
    "  --scale S       multiply every position by S (> 0)\n"
    "  --offset X Y Z  then add (X, Y, Z)\n"
    "  --fit W         scale uniformly so that the model's x extent is W world\n"
    "                  units, then move it so that it starts at world x 0 and its\n"
    "                  highest point lies at world y 100, below the player's start\n"
    "                  at (400, 0); replaces --scale and --offset. A model too\n"
    "                  tall for that is scaled to the world's height instead:\n"
    "                  the tighter of the two decides (the report says which)\n"
    "The world is 9000 x 9000 world units: x 0 .. 9000, y 0 .. 9000 downwards.\n"
    "\n"
    "It reports what it changed, then checks the result as levelcheck does.\n"
    "Exit status: 0 clean, 1 an error it could not mend (naming the file and\n"
    "line), 2 warnings.\n";

bool readNumber(int& i, int argc, char** argv, double& value) {
    if (++i >= argc) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(argv[i], &end);
    return end != argv[i] && *end == '\0' && std::isfinite(value);
}

bool parseArguments(int argc, char** argv, ConversionOptions& options) {
    std::vector<std::string> files;
    bool scaleOrOffset = false;
    PlacementOptions& placement = options.placement;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        double fit = 0;
        if (arg == "--scale") {
            if (!readNumber(i, argc, argv, placement.scale) || placement.scale <= 0) {
                return false;
            }
            scaleOrOffset = true;
        } else if (arg == "--offset") {
            if (!readNumber(i, argc, argv, placement.offset.x) ||
                !readNumber(i, argc, argv, placement.offset.y) ||
                !readNumber(i, argc, argv, placement.offset.z)) {
                return false;
            }
            scaleOrOffset = true;
        } else if (arg == "--swap-yz") {
            placement.swapYZ = true;
        } else if (arg == "--fit") {
            if (!readNumber(i, argc, argv, fit) || fit <= 0) {
                return false;
            }
            placement.fitWidth = fit;
        } else if (arg.empty() || arg[0] == '-') {
            return false;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2 || (scaleOrOffset && placement.fitWidth)) {
        return false;
    }
    options.input = files[0];
    options.output = files[1];
    return true;
}

void printCount(const char* what, std::size_t count, const std::string& more = "") {
    if (count > 0) {
        std::printf("    %-38s %zu%s\n", what, count, more.c_str());
    }
}

void printChanges(const ConversionReport& r) {
    std::printf("  changed\n");
    printCount("position lines with one space", r.read.positionsWithOneSpace,
               " (written \"v\" and two spaces)");
    printCount("polygons triangulated", r.mesh.polygonsTriangulated,
               " (" + std::to_string(r.mesh.trianglesAdded) + " triangles added)");
    printCount("indices made absolute", r.read.relativeIndices);
    printCount("normals computed", r.mesh.normalsComputed, " faces");
    printCount("texture coordinates made planar", r.mesh.texCoordsPlanar, " corners");
    printCount("texture coordinates given 3 numbers", r.read.shortTexCoords);
    printCount("texture coordinates moved by -o, -s", r.mesh.texCoordsPlaced);
    printCount("lines over 255 characters", r.read.longLines);
    printCount("material names without spaces", r.materialCounts.renamed);
    printCount("materials mapped from map_Kd", r.materialCounts.fromDiffuse);
    printCount("materials mapped from a Kd colour", r.materialCounts.fromColour);
    printCount("faces without a material given \"default\" (plain grey)",
               r.materialCounts.facesGivenDefault);
    printCount("images copied", r.materialCounts.imagesCopied, " (into " + r.resourcesFolder + ")");
}

void printNotes(const char* prefix, const std::vector<ExportNote>& notes) {
    for (std::size_t i = 0; i < notes.size() && i < kListedNotes; ++i) {
        const ExportNote& note = notes[i];
        if (note.line > 0) {
            std::printf("%s%s:%zu: %s\n", prefix, note.file.c_str(), note.line, note.text.c_str());
        } else {
            std::printf("%s%s: %s\n", prefix, note.file.c_str(), note.text.c_str());
        }
    }
    if (notes.size() > kListedNotes) {
        std::printf("  ... and %zu more like it\n", notes.size() - kListedNotes);
    }
}

void printReport(const ConversionOptions& options, const ConversionReport& r) {
    std::printf("levelconvert %s -> %s\n", options.input.c_str(), options.output.c_str());
    std::printf("  read      %zu faces into %zu triangles, %zu materials used\n", r.polygons,
                r.triangles, r.materials);
    std::printf("  placed    scale %g, offset (%g, %g, %g) file units\n", r.scale, r.offset.x,
                r.offset.y, r.offset.z);
    if (r.fittedBy != nullptr) {
        std::printf("            fitted by its %s%s\n", r.fittedBy,
                    std::string(r.fittedBy) == "height"
                        ? " (the width asked for would reach below the 9000 x 9000 world)"
                        : "");
    }
    if (r.low.x <= r.high.x) {
        std::printf("            world x %.2f .. %.2f, y %.2f .. %.2f, z %.2f .. %.2f\n",
                    8 * r.low.x + 0.0, 8 * r.high.x + 0.0, -8 * r.high.y + 0.0, -8 * r.low.y + 0.0,
                    8 * r.low.z + 0.0, 8 * r.high.z + 0.0);
    }
    printChanges(r);
    if (!r.passedOver.empty()) {
        std::printf("  passed over (the game has no use for them):\n");
        printNotes("    ", r.passedOver);
    }
    printNotes("warning: ", r.warnings);
}

// The level checker opens material libraries relative to the working
// directory, as the game does from its run directory: the output's folder.
int checkResult(const ConversionOptions& options) {
    const fs::path output(options.output);
    const fs::path previous = fs::current_path();
    std::printf("check (as levelcheck, from %s):\n",
                output.parent_path().empty() ? "." : output.parent_path().c_str());
    std::fflush(stdout);
    if (!output.parent_path().empty()) {
        fs::current_path(output.parent_path());
    }
    const int status = checkLevel(output.filename().c_str()).status;
    fs::current_path(previous);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        return kClean;
    }
    ConversionOptions options;
    if (!parseArguments(argc, argv, options)) {
        std::fputs(kUsage, stderr);
        return kError;
    }
    ConversionReport report;
    try {
        report = convertLevel(options);
    } catch (const ConvertError& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return kError;
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return kError;
    }
    printReport(options, report);
    const int checked = checkResult(options);
    if (checked == kError) {
        return kError;
    }
    return checked == kWarningsOnly || !report.warnings.empty() ? kWarningsOnly : kClean;
}
