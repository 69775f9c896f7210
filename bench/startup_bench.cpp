// Start-up to the first frame, for each program: the time from starting the
// process until its window shows the first swapped frame (any pixel of the
// middle row that is not the black of a window nothing has been drawn in
// yet). The window is looked for, and the row read, straight through Xlib
// every millisecond, so the figure is not hidden behind a tool's polling
// interval or a whole-window screenshot.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "X11Driver.h"

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int STARTS = 7;
constexpr auto POLL = 1ms;
constexpr auto GIVE_UP = 30s;

struct Program {
    const char* name;
    const char* caption;
};

// A window that is not viewable yet makes XGetImage fail; that only means
// "not yet".
int ignoreXError(Display*, XErrorEvent*) {
    return 0;
}

std::optional<Window> findCaptioned(Display* display, Window parent, const char* caption) {
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name != nullptr) {
            if (std::strcmp(name, caption) == 0)
                found = children[i];
            XFree(name);
        }
        if (!found)
            found = findCaptioned(display, children[i], caption);
    }
    if (children != nullptr)
        XFree(children);
    return found;
}

bool middleRowDrawn(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable)
        return false;
    XImage* row = XGetImage(display, window, 0, attributes.height / 2, attributes.width, 1,
                            AllPlanes, ZPixmap);
    if (row == nullptr)
        return false;
    bool drawn = false;
    for (int x = 0; x < attributes.width && !drawn; ++x)
        drawn = (XGetPixel(row, x, 0) & 0xffffff) != 0;
    XDestroyImage(row);
    return drawn;
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

// Milliseconds from the start to the first frame; negative when the program
// showed nothing.
double timeOneStart(Display* display, const Program& program) {
    const Clock::time_point start = Clock::now();
    RunningProgram game(std::string(RUN_DIR) + "/" + program.name, RUN_DIR);
    std::optional<Window> window;
    double toFrame = -1;
    while (Clock::now() - start < GIVE_UP) {
        if (!window)
            window = findCaptioned(display, DefaultRootWindow(display), program.caption);
        if (window && middleRowDrawn(display, *window)) {
            toFrame = milliseconds(Clock::now() - start);
            break;
        }
        std::this_thread::sleep_for(POLL);
    }
    if (window) {
        focusWindow(std::to_string(*window));
        pressKey("F10");
    }
    game.waitForExit(30s);
    return toFrame;
}

} // namespace

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_bench needs a display (run it under xvfb-run)\n");
        return 1;
    }
    XSetErrorHandler(ignoreXError);
    for (const Program& program : {Program{"cragmoor", "Morr 5: Hell On Kelvale, Engine Demo"},
                                   Program{"morr2d", "Morr 2D"}}) {
        std::vector<double> starts;
        for (int i = 0; i < STARTS; ++i) {
            const double toFrame = timeOneStart(display, program);
            if (toFrame < 0) {
                std::fprintf(stderr, "%s showed no frame\n", program.name);
                return 1;
            }
            starts.push_back(toFrame);
        }
        std::sort(starts.begin(), starts.end());
        std::printf("%s: start to first frame, median %.0f ms of %d starts (fastest %.0f, "
                    "slowest %.0f)\n",
                    program.name, starts[STARTS / 2], STARTS, starts.front(), starts.back());
    }
    XCloseDisplay(display);
    return 0;
}
