// Each program started from its run directory on the test display: its
// window appears with its caption and size, draws its clear colour, F10
// ends it cleanly, and without its archive it refuses to start.
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <sstream>
#include <string>

#include "X11Driver.h"

using namespace std::chrono_literals;

namespace {

struct ProgramCase {
    const char* name;
    const char* caption;
    int width;
    int height;
    // Where the first frame is sampled, in window pixels: the centre for
    // cragmoor, which shows its level there (anything but the black of an
    // undrawn window); for morr2d a point of empty level away from the
    // display's pointer, where its crosshair shows.
    int sampleX;
    int sampleY;
    bool sampleIsClearColour;
    unsigned char clearRgb[3];
};

const ProgramCase PROGRAMS[] = {
    {"cragmoor", "Morr 5: Hell On Kelvale, Engine Demo", 800, 600, 400, 300, false, {13, 0, 0}},
    {"morr2d", "Morr 2D", 1280, 960, 1000, 200, true, {0, 0, 255}},
};

void PrintTo(const ProgramCase& program, std::ostream* out) {
    *out << program.name;
}

std::string programPath(const ProgramCase& program) {
    return std::string(RUN_DIR) + "/" + program.name;
}

bool nearColour(const unsigned char* pixel, const unsigned char* expected) {
    for (int c = 0; c < 3; ++c)
        if (std::abs(int(pixel[c]) - int(expected[c])) > 2)
            return false;
    return true;
}

bool showsFirstFrame(const Screenshot& shot, const ProgramCase& program) {
    if (shot.width <= program.sampleX || shot.height <= program.sampleY)
        return false;
    const unsigned char* sample = shot.at(program.sampleX, program.sampleY);
    const unsigned char black[3] = {0, 0, 0};
    return program.sampleIsClearColour ? nearColour(sample, program.clearRgb)
                                       : !nearColour(sample, black);
}

// The window exists before its first frame is drawn, so look until the
// frame shows or the deadline passes.
bool drawsItsFirstFrame(const std::string& window, const ProgramCase& program) {
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < until) {
        if (showsFirstFrame(takeScreenshot(window), program))
            return true;
    }
    return false;
}

// Standard error without the debug lines the level loader writes.
std::string errorLines(const std::string& standardError) {
    std::istringstream lines(standardError);
    std::string line, errors;
    while (std::getline(lines, line))
        if (line.rfind(" DEBUG: ", 0) != 0)
            errors += line + "\n";
    return errors;
}

class StartAndQuit : public testing::TestWithParam<ProgramCase> {};

} // namespace

TEST_P(StartAndQuit, OpensItsWindowDrawsAndQuitsOnF10) {
    const ProgramCase& program = GetParam();
    RunningProgram running(programPath(program), RUN_DIR);
    const std::optional<std::string> window = running.waitForWindow(program.caption, 30s);
    ASSERT_TRUE(window) << "no window captioned \"" << program.caption << "\"\n"
                        << running.standardError();
    const WindowGeometry geometry = windowGeometry(*window);
    EXPECT_EQ(geometry.width, program.width);
    EXPECT_EQ(geometry.height, program.height);
    EXPECT_TRUE(drawsItsFirstFrame(*window, program));

    focusWindow(*window);
    pressKey("F10");
    EXPECT_EQ(running.waitForExit(30s), std::optional<int>(0));
    // With a sound device (SDL's dummy one) the start-up refusals are the
    // only errors.
    EXPECT_EQ(errorLines(running.standardError()),
              " *** ERROR: reloadTextures() can't execute until ResourceManager is initialized.\n"
              " *** ERROR: reloadSounds() can't execute until ResourceManager is initialized.\n");
}

TEST_P(StartAndQuit, RefusesToStartWithoutItsArchive) {
    const ProgramCase& program = GetParam();
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("no-archive-" + std::string(program.name));
    std::filesystem::create_directories(empty);
    RunningProgram running(programPath(program), empty.string());
    const std::optional<int> status = running.waitForExit(30s);
    ASSERT_TRUE(status);
    EXPECT_NE(*status, 0);
    const std::string errors = running.standardError();
    EXPECT_NE(errors.find("Failed to add Resources/Resources.pak to Physfs search path"),
              std::string::npos)
        << errors;
    // The window comes up only after the search path: no video start-up ran.
    EXPECT_EQ(errors.find("reloadTextures()"), std::string::npos) << errors;
    std::filesystem::remove_all(empty);
}

INSTANTIATE_TEST_SUITE_P(Programs, StartAndQuit, testing::ValuesIn(PROGRAMS),
                         [](const testing::TestParamInfo<ProgramCase>& info) {
                             return std::string(info.param.name);
                         });
