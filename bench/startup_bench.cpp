// Start-up to the first frame, for each program: the time from starting the
// process until its window shows the first swapped frame (any pixel that is
// not the black of a window nothing has been drawn in yet), read from
// screenshots of the test display. Prints the median of several starts and
// how long one screenshot takes, which bounds the figure's resolution.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "X11Driver.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int STARTS = 5;

struct Program {
    const char* name;
    const char* caption;
};

bool anythingDrawn(const Screenshot& shot) {
    return std::any_of(shot.rgb.begin(), shot.rgb.end(), [](unsigned char c) { return c != 0; });
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Milliseconds from the start to the first frame, and per screenshot taken;
// negative when the program showed nothing.
std::pair<double, double> timeOneStart(const Program& program) {
    const Clock::time_point start = Clock::now();
    RunningProgram game(std::string(RUN_DIR) + "/" + program.name, RUN_DIR);
    const std::optional<std::string> window = game.waitForWindow(program.caption, 30s);
    if (!window)
        return {-1, 0};
    int shots = 0;
    Clock::duration shooting{};
    Clock::time_point shown;
    while (Clock::now() - start < 30s) {
        const Clock::time_point before = Clock::now();
        const Screenshot shot = takeScreenshot(*window);
        shooting += Clock::now() - before;
        ++shots;
        if (anythingDrawn(shot)) {
            shown = Clock::now();
            break;
        }
    }
    const double toFrame = shown == Clock::time_point() ? -1 : milliseconds(shown - start);
    const double perShot = shots > 0 ? milliseconds(shooting) / shots : 0;
    focusWindow(*window);
    pressKey("F10");
    game.waitForExit(30s);
    return {toFrame, perShot};
}

} // namespace

int main() {
    for (const Program& program : {Program{"cragmoor", "Morr 5: Hell On Kelvale, Engine Demo"},
                                   Program{"morr2d", "Morr 2D"}}) {
        std::vector<double> starts;
        double perShot = 0;
        for (int i = 0; i < STARTS; ++i) {
            const auto [toFrame, shot] = timeOneStart(program);
            if (toFrame < 0) {
                std::fprintf(stderr, "%s showed no frame\n", program.name);
                return 1;
            }
            starts.push_back(toFrame);
            perShot = std::max(perShot, shot);
        }
        std::sort(starts.begin(), starts.end());
        std::printf("%s: start to first frame, median %.0f ms of %d starts (fastest %.0f, "
                    "slowest %.0f; a screenshot takes up to %.0f ms)\n",
                    program.name, starts[STARTS / 2], STARTS, starts.front(), starts.back(),
                    perShot);
    }
    return 0;
}
