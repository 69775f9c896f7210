// How cragmoor ends when it cannot start or cannot load what it needs,
// tried the ways a new player would: from the wrong directory, with a
// missing, cut or meaningless archive, without a display, with a damaged
// archive entry and with broken level files. A fatal error ends with status
// 1 after its lines, never with an abort; a level that gives an empty world
// still runs, and says why it is empty.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "X11Driver.h"

using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

const char* const CAPTION = "Morr 5: Hell On Kelvale, Engine Demo";
const std::string STARTUP_REFUSALS =
    " *** ERROR: reloadTextures() can't execute until ResourceManager is initialized.\n"
    " *** ERROR: reloadSounds() can't execute until ResourceManager is initialized.\n";
const std::string ARCHIVE_REFUSAL =
    " *** ERROR: Failed to add Resources/Resources.pak to Physfs search path\n";

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

// A copy of the run directory that a test may damage.
class RunDirectory {
  public:
    RunDirectory() {
        char pattern[] = "/tmp/startup-XXXXXX";
        m_path = fs::canonical(mkdtemp(pattern));
        fs::create_directories(m_path / "Resources");
        for (const char* file :
             {"gm.dls", "legitLevel.obj", "legitLevel.mtl", "Resources/Resources.pak"})
            fs::copy_file(fs::path(RUN_DIR) / file, m_path / file);
    }
    ~RunDirectory() { fs::remove_all(m_path); }
    RunDirectory(const RunDirectory&) = delete;
    RunDirectory& operator=(const RunDirectory&) = delete;

    fs::path operator/(const char* file) const { return m_path / file; }
    std::string path() const { return m_path.string(); }

  private:
    fs::path m_path;
};

std::string cragmoor() {
    return std::string(RUN_DIR) + "/cragmoor";
}

// The byte offset of the local header of `name` in a zip archive.
std::size_t localHeaderOf(const std::string& archive, const std::string& name) {
    for (std::size_t at = archive.find("PK\x03\x04"); at != std::string::npos;
         at = archive.find("PK\x03\x04", at + 4)) {
        const std::size_t nameLength =
            std::uint8_t(archive[at + 26]) | std::uint8_t(archive[at + 27]) << 8;
        if (archive.compare(at + 30, nameLength, name) == 0)
            return at;
    }
    return std::string::npos;
}

std::string archiveAdvice(const std::string& directory) {
    return " *** ERROR: Looked for Resources/Resources.pak in " + directory +
           "; the game runs from its run directory (build/run, or through ./run.sh)\n";
}

void expectArchiveRefusal(const RunDirectory& run) {
    RunningProgram running(cragmoor(), run.path());
    EXPECT_EQ(running.waitForExit(30s), std::optional<int>(1));
    EXPECT_EQ(ourErrorLines(running.standardError()), ARCHIVE_REFUSAL + archiveAdvice(run.path()));
}

// Starts cragmoor, expects its window, quits with F10 and returns what it
// wrote as errors.
std::string errorsOfAPlayedStart(const RunDirectory& run) {
    RunningProgram running(cragmoor(), run.path());
    const std::optional<std::string> window = running.waitForWindow(CAPTION, 30s);
    EXPECT_TRUE(window) << running.standardError();
    if (!window)
        return "";
    focusWindow(*window);
    pressKey("F10");
    EXPECT_EQ(running.waitForExit(30s), std::optional<int>(0));
    return ourErrorLines(running.standardError());
}

} // namespace

TEST(StartUpFailure, ArchiveMissingCutOrMeaninglessEndsWithWhereItLooked) {
    {
        RunDirectory run;
        fs::remove(run / "Resources/Resources.pak");
        expectArchiveRefusal(run);
    }
    {
        RunDirectory run;
        const std::string archive = readBytes(run / "Resources/Resources.pak");
        writeBytes(run / "Resources/Resources.pak", archive.substr(0, archive.size() / 2));
        expectArchiveRefusal(run);
    }
    {
        RunDirectory run;
        std::string noise(20000, '\0');
        std::uint32_t state = 12345;
        for (char& byte : noise) {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<char>(state >> 24);
        }
        writeBytes(run / "Resources/Resources.pak", noise);
        expectArchiveRefusal(run);
    }
}

TEST(StartUpFailure, WithoutADisplayEndsAtOnceSayingItNeedsOne) {
    RunDirectory run;
    RunningProgram running(cragmoor(), run.path(),
                           {{"DISPLAY", std::nullopt},
                            {"WAYLAND_DISPLAY", std::nullopt},
                            {"SDL_VIDEODRIVER", std::nullopt}});
    EXPECT_EQ(running.waitForExit(30s), std::optional<int>(1));
    EXPECT_EQ(ourErrorLines(running.standardError()),
              " *** ERROR: No display to open the window on: the game needs one (is DISPLAY "
              "set?); the tests get one from xvfb-run\n");
}

TEST(StartUpFailure, FatalErrorAfterTheWindowOpenedEndsWithStatusOne) {
    RunDirectory run;
    writeBytes(run / "legitLevel.mtl", "newmtl rock\nmap_Ka missing.tga\n");
    RunningProgram running(cragmoor(), run.path());
    EXPECT_EQ(running.waitForExit(60s), std::optional<int>(1));
    EXPECT_EQ(ourErrorLines(running.standardError()),
              STARTUP_REFUSALS + " *** ERROR: Texture file missing.tga not found\n");
}

// An entry whose own header is damaged does not exist for the archive
// library; one whose data is damaged cannot be read. Either way the archive's
// reason follows the message.
TEST(StartUpFailure, DamagedArchiveEntryEndsWithTheArchivesReason) {
    for (const bool damageHeader : {true, false}) {
        RunDirectory run;
        std::string archive = readBytes(run / "Resources/Resources.pak");
        const std::size_t sky = localHeaderOf(archive, "SKY1.tga");
        ASSERT_NE(sky, std::string::npos);
        if (damageHeader)
            archive.replace(sky, 4, "XXXX");
        else // the compressed data, past the header and the name
            archive.replace(sky + 30 + 8 + 5, 20, std::string(20, '\xff'));
        writeBytes(run / "Resources/Resources.pak", archive);
        RunningProgram running(cragmoor(), run.path());
        EXPECT_EQ(running.waitForExit(60s), std::optional<int>(1)) << damageHeader;
        EXPECT_EQ(ourErrorLines(running.standardError()),
                  STARTUP_REFUSALS + (damageHeader
                                          ? " *** ERROR: Texture file SKY1.tga not found\n"
                                            "  the archive lists it, but its entry is unreadable: "
                                            "corrupted\n"
                                          : " *** ERROR: Texture file SKY1.tga failed to read file "
                                            "into buffer\n  corrupted\n"))
            << damageHeader;
    }
}

TEST(StartUpFailure, LevelThatGivesAnEmptyWorldSaysWhy) {
    {
        RunDirectory run;
        const std::string level = readBytes(run / "legitLevel.obj");
        const std::size_t normals = level.find("\nvn ");
        ASSERT_NE(normals, std::string::npos);
        // Cut after the tenth normal line: no face follows.
        std::size_t cut = normals;
        for (int line = 0; line < 10; ++line)
            cut = level.find('\n', cut + 1);
        writeBytes(run / "legitLevel.obj", level.substr(0, cut + 1));
        EXPECT_EQ(errorsOfAPlayedStart(run),
                  STARTUP_REFUSALS +
                      " *** ERROR: Level legitLevel.obj holds no face: the world is empty\n");
    }
    {
        RunDirectory run;
        fs::remove(run / "legitLevel.obj");
        EXPECT_EQ(errorsOfAPlayedStart(run),
                  STARTUP_REFUSALS +
                      " *** ERROR: Level legitLevel.obj cannot be opened: the world is empty\n");
    }
}
