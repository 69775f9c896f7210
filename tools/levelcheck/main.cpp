// levelcheck: tells a level maker, without starting the game, whether the
// game will read a level as meant, and draws its collision outline on
// request. It reads the level with the game's own reader, so what it accepts
// the game accepts.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

#include "LevelPicture.h"
#include "LevelReport.h"
#include "PngFile.h"
#include "ReachReport.h"

namespace {

const char* const kUsage =
    "usage: levelcheck <file.obj> [--reach] [--route X Y]\n"
    "                  [--picture <out.png> [--from X Y --to X Y] [--size PIXELS]]\n"
    "\n"
    "Reads a cragmoor level as the game does and prints its counts, its extent\n"
    "in world units, where the player lands from its start at (400, 0), and\n"
    "everything the game will pass over or treat specially. Material libraries\n"
    "are opened relative to the working directory, as in the game: run\n"
    "levelcheck from the directory the game runs in.\n"
    "\n"
    "--picture draws the level's cut by z = 0 as a PNG: each collision line in\n"
    "the colour of its kind (green floor, blue walkable slope, orange steep\n"
    "slope, red wall, violet ceiling; white a zero-length line) with a short\n"
    "tick on its solid side, the player's start ellipse (white) and where it\n"
    "lands (yellow), the world's 9000 x 9000 extent (grey edge) and a scale bar\n"
    "in world units. --from and --to choose a part of the level (world units,\n"
    "y downwards); --size sets the picture's longer side (default 2400).\n"
    "\n"
    "--reach explores the level from the start with the game's own movement\n"
    "(every key a player can hold, every tick) and reports the stretches of\n"
    "floor a player can stand on and how much of each is reached, the furthest\n"
    "places reached, and every trap: places from which the start can no longer\n"
    "be reached, with the place it is entered from. With --picture it draws\n"
    "what is reached (cyan), floor never reached (white) and traps (magenta,\n"
    "their entries as yellow crosses) over the outline. --route X Y (implies\n"
    "--reach) prints the keys from the start to the reached place nearest to\n"
    "(X, Y) as a play-through leg. A trap makes the status 2.\n"
    "\n"
    "Exit status: 0 clean, 1 error (the file cannot be read or the game would\n"
    "stop loading it, or the picture cannot be written), 2 warnings only.\n";

struct Arguments {
    std::string level;
    std::string picture;
    PictureOptions options;
    bool reach = false;
    std::optional<Vector2> route;
};

bool readNumber(int& i, int argc, char** argv, double& value) {
    if (++i >= argc) {
        return false;
    }
    char* end = nullptr;
    value = std::strtod(argv[i], &end);
    return end != argv[i] && *end == '\0';
}

bool readPoint(int& i, int argc, char** argv, Vector2& point) {
    return readNumber(i, argc, argv, point.m_x) && readNumber(i, argc, argv, point.m_y);
}

bool parseArguments(int argc, char** argv, Arguments& out) {
    bool from = false, to = false;
    PictureRegion region;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        double size = 0;
        if (arg == "--reach") {
            out.reach = true;
        } else if (arg == "--route") {
            Vector2 target;
            if (!readPoint(i, argc, argv, target)) {
                return false;
            }
            out.route = target;
            out.reach = true;
        } else if (arg == "--picture" && i + 1 < argc) {
            out.picture = argv[++i];
        } else if (arg == "--from") {
            from = readPoint(i, argc, argv, region.from);
            if (!from) {
                return false;
            }
        } else if (arg == "--to") {
            to = readPoint(i, argc, argv, region.to);
            if (!to) {
                return false;
            }
        } else if (arg == "--size") {
            if (!readNumber(i, argc, argv, size) || size < 16 || size > 20000) {
                return false;
            }
            out.options.longestSide = static_cast<int>(size);
        } else if (arg.empty() || arg[0] == '-' || !out.level.empty()) {
            return false;
        } else {
            out.level = arg;
        }
    }
    if (from != to || (from && out.picture.empty())) {
        return false;
    }
    if (from) {
        out.options.region = region;
    }
    return !out.level.empty();
}

int writePicture(const Arguments& arguments, const CheckedLevel& checked, const ReachMap* reach,
                 const ReachSummary* summary) {
    PictureOptions options = arguments.options;
    if (reach != nullptr) {
        options.underLines = [reach](LevelPicture& p) { drawReachUnderLines(p, *reach); };
    }
    LevelPicture picture =
        drawLevelPicture(checked.level->collisionLines, checked.landing, options);
    if (reach != nullptr) {
        drawReachOverLines(picture, *reach, *summary);
    }
    try {
        writePng(arguments.picture, picture.canvas);
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "error: %s\n", error.what());
        return kError;
    }
    std::printf("picture %s: %d x %d pixels, %.3f pixels per world unit, scale bar %.0f units\n",
                arguments.picture.c_str(), picture.canvas.width(), picture.canvas.height(),
                picture.scale, picture.scaleBarUnits);
    return checked.status;
}

int explore(const Arguments& arguments, const CheckedLevel& checked) {
    const std::vector<Line2>& lines = checked.level->collisionLines;
    const ReachMap reach = exploreReach(lines);
    const ReachSummary summary = summarizeReach(lines, reach);
    std::fputs(reachReport(reach, summary).c_str(), stdout);
    if (arguments.route) {
        const std::uint32_t place = nearestPlace(reach, *arguments.route);
        std::printf("\n# from the start to (%.2f, %.2f), the reached place nearest to (%g, %g)\n",
                    reach.nodes[place].centre.m_x, reach.nodes[place].centre.m_y,
                    arguments.route->m_x, arguments.route->m_y);
        std::fputs(routeScript(reach, place, "route").c_str(), stdout);
    }
    const int status = arguments.picture.empty()
                           ? checked.status
                           : writePicture(arguments, checked, &reach, &summary);
    if (status == kClean && !reach.traps.empty()) {
        return kWarningsOnly;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--help") {
        std::fputs(kUsage, stdout);
        return kClean;
    }
    Arguments arguments;
    if (!parseArguments(argc, argv, arguments)) {
        std::fputs(kUsage, stderr);
        return kError;
    }
    const CheckedLevel checked = checkLevel(arguments.level.c_str());
    if (!checked.level) {
        return checked.status;
    }
    if (arguments.reach) {
        return explore(arguments, checked);
    }
    if (arguments.picture.empty()) {
        return checked.status;
    }
    return writePicture(arguments, checked, nullptr, nullptr);
}
