// How cragmoor ends when it cannot start or cannot load what it needs,
// tried the ways a new player would: from the wrong directory, with a
// missing or cut archive, without a display, with a damaged archive entry
// and with broken level files. A fatal error ends with status 1 after its
// lines, never with an abort; a level that gives an empty world still runs,
// and says why it is empty.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>

#include "X11Driver.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

const char* const CAPTION = "Morr 5: Hell On Kelvale, Engine Demo";
const char* const ARCHIVE = "Resources/Resources.pak";
const std::string STARTUP_REFUSALS =
    " *** ERROR: reloadTextures() can't execute until ResourceManager is initialized.\n"
    " *** ERROR: reloadSounds() can't execute until ResourceManager is initialized.\n";
// The advice names the directory the game was started from, which each run
// has its own of: "{run}" stands for it.
const std::string ARCHIVE_REFUSAL =
    " *** ERROR: Failed to add Resources/Resources.pak to Physfs search path\n"
    " *** ERROR: Looked for Resources/Resources.pak in {run}; the game runs from its run "
    "directory (build/run, or through ./run.sh)\n";

std::string readBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Only our own error lines and the indented reasons under them: the video
// and sound libraries may add lines of theirs.
std::string ourErrorLines(const std::string& standardError) {
    std::istringstream lines(standardError);
    std::string line, errors;
    bool underOurs = false;
    while (std::getline(lines, line)) {
        underOurs = line.rfind(" *** ERROR: ", 0) == 0 || (underOurs && line.rfind("  ", 0) == 0);
        if (underOurs)
            errors += line + "\n";
    }
    return errors;
}

// An entry whose own header is damaged does not exist for the archive
// library; one whose data is damaged cannot be read.
void damageSkyEntry(const fs::path& run, bool header) {
    std::string archive = readBytes(run / ARCHIVE);
    // The name's first occurrence is in the entry's local header, 30 bytes in.
    const std::size_t sky = archive.find("SKY1.tga") - 30;
    ASSERT_EQ(archive.compare(sky, 4, "PK\x03\x04"), 0);
    if (header)
        archive.replace(sky, 4, "XXXX");
    else // the compressed data, past the header and the name
        archive.replace(sky + 30 + 8 + 5, 20, std::string(20, '\xff'));
    writeBytes(run / ARCHIVE, archive);
}

// Cut after the tenth normal line: no face follows.
void cutLevelBeforeItsFaces(const fs::path& run) {
    const std::string level = readBytes(run / "legitLevel.obj");
    std::size_t cut = level.find("\nvn ");
    ASSERT_NE(cut, std::string::npos);
    for (int line = 0; line < 10; ++line)
        cut = level.find('\n', cut + 1);
    writeBytes(run / "legitLevel.obj", level.substr(0, cut + 1));
}

struct StartCase {
    const char* name;
    std::function<void(const fs::path&)> damage;
    std::string errors;
    // The game plays on: its window opens and F10 ends it with status 0.
    bool playsOn = false;
    EnvironmentChanges environment = {};
};

const StartCase CASES[] = {
    {"ArchiveMissing", [](const fs::path& run) { fs::remove(run / ARCHIVE); }, ARCHIVE_REFUSAL},
    {"ArchiveCutInHalf",
     [](const fs::path& run) {
         const std::string archive = readBytes(run / ARCHIVE);
         writeBytes(run / ARCHIVE, archive.substr(0, archive.size() / 2));
     },
     ARCHIVE_REFUSAL},
    {"NoDisplay",
     [](const fs::path&) {},
     " *** ERROR: No display to open the window on: the game needs one (is DISPLAY set?); the "
     "tests get one from xvfb-run\n",
     false,
     {{"DISPLAY", std::nullopt},
      {"WAYLAND_DISPLAY", std::nullopt},
      {"SDL_VIDEODRIVER", std::nullopt}}},
    {"TextureMissingAfterTheWindowOpened",
     [](const fs::path& run) {
         writeBytes(run / "legitLevel.mtl", "newmtl rock\nmap_Ka missing.tga\n");
     },
     STARTUP_REFUSALS + " *** ERROR: Texture file missing.tga not found\n"},
    {"ArchiveEntryHeaderDamaged", [](const fs::path& run) { damageSkyEntry(run, true); },
     STARTUP_REFUSALS + " *** ERROR: Texture file SKY1.tga not found\n"
                        "  the archive lists it, but its entry is unreadable: corrupted\n"},
    {"ArchiveEntryDataDamaged", [](const fs::path& run) { damageSkyEntry(run, false); },
     STARTUP_REFUSALS + " *** ERROR: Texture file SKY1.tga failed to read file into buffer\n"
                        "  corrupted\n"},
    {"LevelWithoutFacesGivesAnEmptyWorld", cutLevelBeforeItsFaces,
     STARTUP_REFUSALS + " *** ERROR: Level legitLevel.obj holds no face: the world is empty\n",
     true},
    {"LevelMissingGivesAnEmptyWorld",
     [](const fs::path& run) { fs::remove(run / "legitLevel.obj"); },
     STARTUP_REFUSALS + " *** ERROR: Level legitLevel.obj cannot be opened: the world is empty\n",
     true},
};

// Each case damages its own copy of the run directory.
class StartUpFailure : public testing::TestWithParam<StartCase> {
  protected:
    StartUpFailure() {
        char pattern[] = "/tmp/startup-XXXXXX";
        run = fs::canonical(mkdtemp(pattern));
        fs::create_directories(run / "Resources");
        for (const char* file : {"gm.dls", "legitLevel.obj", "legitLevel.mtl", ARCHIVE})
            fs::copy_file(fs::path(RUN_DIR) / file, run / file);
    }
    ~StartUpFailure() override { fs::remove_all(run); }

    fs::path run;
};

} // namespace

TEST_P(StartUpFailure, EndsWithItsMessages) {
    const StartCase& row = GetParam();
    row.damage(run);
    RunningProgram game(std::string(RUN_DIR) + "/cragmoor", run.string(), row.environment);
    if (row.playsOn) {
        const std::optional<std::string> window = game.waitForWindow(CAPTION, 30s);
        ASSERT_TRUE(window) << game.standardError();
        focusWindow(*window);
        pressKey("F10");
    }
    EXPECT_EQ(game.waitForExit(60s), std::optional<int>(row.playsOn ? 0 : 1));
    std::string expected = row.errors;
    if (const std::size_t at = expected.find("{run}"); at != std::string::npos)
        expected.replace(at, 5, run.string());
    EXPECT_EQ(ourErrorLines(game.standardError()), expected);
}

INSTANTIATE_TEST_SUITE_P(Cragmoor, StartUpFailure, testing::ValuesIn(CASES),
                         [](const auto& info) { return std::string(info.param.name); });
