// The printed report of a level. Warnings name the file and line they come
// from; past a number of findings of one kind the rest are only counted.
#include "LevelReport.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

#include "LineKinds.h"
#include "ViewDepth.h"

namespace {

constexpr std::size_t kListedPerKind = 20;

// Fatal errors print and end the reading; the reader's debug lines say
// nothing a level maker needs.
class PrintingLogger : public Logger {
  public:
    PrintingLogger() : Logger(nullptr) {}

  protected:
    void outputError(const char* message) override { std::fprintf(stderr, "error: %s\n", message); }
    void outputFatalError(const char* message) override {
        std::fprintf(stderr, "error: %s\n", message);
        throw std::runtime_error(message);
    }
    void outputInfo(const char* message) override { std::printf("%s\n", message); }
    void outputDebug(const char*) override {}
};

class WarningPrinter {
  public:
    // Prints one finding of a kind, or counts it once the kind is listed enough.
    void warn(const char* format, ...) __attribute__((format(printf, 2, 3))) {
        ++m_total;
        if (++m_ofThisKind <= kListedPerKind) {
            std::va_list args;
            va_start(args, format);
            std::printf("warning: ");
            std::vprintf(format, args);
            std::printf("\n");
            va_end(args);
        }
    }
    void endKind() {
        if (m_ofThisKind > kListedPerKind) {
            std::printf("  ... and %zu more like it\n", m_ofThisKind - kListedPerKind);
        }
        m_ofThisKind = 0;
    }
    void hint(const char* text) { std::printf("  hint: %s\n", text); }
    std::size_t total() const { return m_total; }

  private:
    std::size_t m_ofThisKind = 0;
    std::size_t m_total = 0;
};

void printLineKinds(const LevelData& level) {
    std::array<std::size_t, kLineKindCount> counts{};
    for (const Line2& line : level.collisionLines) {
        ++counts[static_cast<std::size_t>(kindOf(line))];
    }
    std::printf("  line kinds           ");
    const char* separator = " ";
    for (int kind = 0; kind < kLineKindCount; ++kind) {
        if (counts[static_cast<std::size_t>(kind)] > 0) {
            std::printf("%s%s %zu", separator, nameOf(static_cast<LineKind>(kind)),
                        counts[static_cast<std::size_t>(kind)]);
            separator = ", ";
        }
    }
    std::printf("\n");
}

void printCounts(const char* path, const LevelData& level, const LevelSummary& summary,
                 const PlayerLanding& landing) {
    std::printf("%s\n", path);
    std::printf("  vertices (positions)  %zu\n", level.positions.size());
    std::printf("  normals               %zu\n", level.normals.size());
    std::printf("  texture coordinates   %zu\n", level.texCoords.size());
    std::printf("  faces                 %zu\n", level.faces.size());
    std::printf("  materials (textures)  %zu\n", level.materials.size());
    std::printf("  collision lines       %zu\n", level.collisionLines.size());
    if (!level.collisionLines.empty()) {
        printLineKinds(level);
    }
    const Extent m = summary.mesh.plusZero();
    if (!m.empty) {
        std::printf("  mesh extent           x %.2f .. %.2f, y %.2f .. %.2f, z %.2f .. %.2f"
                    " (world units)\n",
                    m.minX, m.maxX, m.minY, m.maxY, m.minZ, m.maxZ);
    }
    const Extent c = summary.collisionLines.plusZero();
    if (!c.empty) {
        std::printf("  collision extent      x %.2f .. %.2f, y %.2f .. %.2f\n", c.minX, c.maxX,
                    c.minY, c.maxY);
    }
    if (landing.lands) {
        std::printf("  player                starts at (%.0f, %.0f), lands at (%.2f, %.2f)\n",
                    kPlayerStart.m_x, kPlayerStart.m_y, landing.centre.m_x,
                    landing.centre.m_y + 0.0);
    }
}

const char* const kSingleSpaceHint =
    "a position is \"v\" followed by two spaces; many exporters write one, and the game "
    "passes over those lines, so faces miss their corners (levelconvert mends this)";

bool isSingleSpacePosition(const LevelFileLine& line) {
    return line.text.rfind("v ", 0) == 0;
}

void warnAboutLines(WarningPrinter& out, const LevelData& level) {
    bool singleSpacePosition = false;
    for (const LevelFileLine& line : level.ignored) {
        out.warn("%s:%zu: passed over: %s", line.file.c_str(), line.line, line.text.c_str());
        singleSpacePosition = singleSpacePosition || isSingleSpacePosition(line);
    }
    out.endKind();
    if (singleSpacePosition) {
        out.hint(kSingleSpaceHint);
    }
    for (const LevelFileLine& line : level.cutShort) {
        out.warn("%s:%zu: longer than 255 characters: the game stops reading the file here",
                 line.file.c_str(), line.line);
    }
    out.endKind();
}

// The game cuts its collision lines from the plane z = 0. A model that only
// touches it keeps the lines of the faces touching it: most often an export
// with z up, which the other findings show, but it may be meant, so it is a
// hint and no warning.
void hintAtAOneSidedMesh(WarningPrinter& out, const LevelData& level, const Extent& mesh) {
    if (level.faces.empty() || (mesh.minZ < 0 && mesh.maxZ > 0)) {
        return;
    }
    char extent[64];
    std::snprintf(extent, sizeof extent, "z %.2f .. %.2f", mesh.minZ + 0.0, mesh.maxZ + 0.0);
    out.hint(("the mesh does not cross z = 0 (" + std::string(extent) +
              "), where the game cuts its collision lines, so only the faces touching it give "
              "lines; a model made with z up needs levelconvert --swap-yz, one lying wholly in "
              "front of or behind z = 0 needs --offset to move it across")
                 .c_str());
}

void warnAboutFaces(WarningPrinter& out, const char* path, const LevelData& level,
                    const LevelSummary& summary) {
    if (level.faces.empty()) {
        out.warn("the level has no faces");
    } else if (level.collisionLines.empty()) {
        out.warn("no face crosses z = 0: there is nothing to stand on");
    }
    out.endKind();
    hintAtAOneSidedMesh(out, level, summary.mesh);
    for (std::size_t face : summary.untexturedFaces) {
        out.warn("%s:%zu: face without a texture (drawn untextured)", path, level.faces[face].line);
    }
    out.endKind();
    if (!summary.untexturedFaces.empty()) {
        out.hint("\"usemtl\" must come first and name a \"newmtl\" with a \"map_Ka\" image");
    }
    for (std::size_t face : summary.facesWoundAgainstNormals) {
        out.warn("%s:%zu: face wound against its normals: hidden from the side it is lit on, "
                 "and solid there where it gives a collision line",
                 path, level.faces[face].line);
    }
    out.endKind();
    if (!summary.facesWoundAgainstNormals.empty()) {
        out.hint("reverse the face's corners, or recalculate its normals, in the modelling "
                 "program");
    }
    for (std::size_t face : summary.facesBeyondTheDrawnDepth) {
        out.warn("%s:%zu: face reaches beyond the depths the view draws (z %.0f .. %.0f): "
                 "what lies beyond is cut off",
                 path, level.faces[face].line, FARTHEST_DRAWN_Z, NEAREST_DRAWN_Z);
    }
    out.endKind();
    for (std::size_t face : summary.facesCutBeyondAnEdge) {
        out.warn("%s:%zu: the collision line uses the (x, y) of an edge along z that does "
                 "not reach z = 0",
                 path, level.faces[face].line);
    }
    out.endKind();
}

void warnAboutCollisionLines(WarningPrinter& out, const char* path, const LevelData& level,
                             const LevelSummary& summary) {
    for (std::size_t i : summary.zeroLengthLines) {
        const Line2& line = level.collisionLines[i];
        out.warn("%s:%zu: zero-length collision line at (%.2f, %.2f)", path,
                 level.faces[level.collisionLineFace[i]].line, line.m_a.m_x, line.m_a.m_y);
    }
    out.endKind();
    for (std::size_t i : summary.linesOutsideWorld) {
        const Line2& line = level.collisionLines[i];
        out.warn("%s:%zu: collision line (%.2f, %.2f) - (%.2f, %.2f) leaves the world "
                 "(0 .. %.0f)",
                 path, level.faces[level.collisionLineFace[i]].line, line.m_a.m_x, line.m_a.m_y,
                 line.m_b.m_x, line.m_b.m_y, kWorldSize);
    }
    out.endKind();
}

void warnAboutStart(WarningPrinter& out, const LevelData& level, const PlayerLanding& landing) {
    if (!level.collisionLines.empty() && !landing.lands) {
        out.warn("the player starts at (%.0f, %.0f) and falls through: no collision line "
                 "faces it from below",
                 kPlayerStart.m_x, kPlayerStart.m_y);
    }
    out.endKind();
}

int reportFatalError(const std::string& message, const LevelReadPlace& place) {
    std::fprintf(stderr, "  in %s, line %zu\n", place.file.c_str(), place.line);
    std::size_t singleSpacePositions = 0;
    for (const LevelFileLine& line : place.passedOver) {
        singleSpacePositions += isSingleSpacePosition(line) ? 1 : 0;
    }
    if (singleSpacePositions > 0) {
        std::fprintf(stderr, "  hint: %zu line(s) before it start with \"v\" and one space; %s\n",
                     singleSpacePositions, kSingleSpaceHint);
    }
    if (message.rfind("Material ", 0) == 0) {
        std::fprintf(stderr, "  hint: material libraries are opened relative to the working "
                             "directory, as in the game; run levelcheck from the game's run "
                             "directory\n");
    }
    return kError;
}

} // namespace

CheckedLevel checkLevel(const char* path) {
    CheckedLevel checked;
    if (!std::ifstream(path)) {
        std::fprintf(stderr, "error: %s cannot be opened (the game would load an empty level)\n",
                     path);
        return checked;
    }
    PrintingLogger logger;
    LevelReadPlace failedAt;
    try {
        checked.level = readObjLevel(path, logger, &failedAt);
    } catch (const std::runtime_error& error) {
        checked.status = reportFatalError(error.what(), failedAt);
        return checked;
    }
    const LevelData& level = *checked.level;
    checked.landing = findPlayerLanding(level.collisionLines);
    const LevelSummary summary = summarize(level);
    printCounts(path, level, summary, checked.landing);
    WarningPrinter out;
    warnAboutLines(out, level);
    warnAboutFaces(out, path, level, summary);
    warnAboutCollisionLines(out, path, level, summary);
    warnAboutStart(out, level, checked.landing);
    if (out.total() == 0) {
        std::printf("clean\n");
        checked.status = kClean;
    } else {
        std::printf("%zu warning%s\n", out.total(), out.total() == 1 ? "" : "s");
        checked.status = kWarningsOnly;
    }
    return checked;
}
