// Process control with POSIX calls, input and window search with xdotool
// (its input goes through the X test extension, as a player's would),
// window sizes and screenshots read with Xlib.
#include "X11Driver.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string temporaryPath() {
    char pattern[] = "/tmp/e2e-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0)
        throw std::runtime_error("cannot create a temporary file");
    close(fd);
    return pattern;
}

} // namespace

std::optional<std::string> runCommand(const std::string& command) {
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return std::nullopt;
    std::string output;
    std::array<char, 4096> buffer;
    std::size_t count;
    while ((count = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        output.append(buffer.data(), count);
    if (pclose(pipe) != 0)
        return std::nullopt;
    return output;
}

RunningProgram::RunningProgram(const std::string& program, const std::string& workingDirectory,
                               const EnvironmentChanges& environment)
    : m_errorPath(temporaryPath()) {
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        const int out = open("/dev/null", O_WRONLY);
        const int err = open(m_errorPath.c_str(), O_WRONLY | O_TRUNC);
        if (out < 0 || err < 0 || chdir(workingDirectory.c_str()) != 0)
            _exit(127);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        for (const auto& [name, value] : environment) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

RunningProgram::~RunningProgram() {
    if (m_pid > 0) {
        kill(m_pid, SIGKILL);
        waitpid(m_pid, nullptr, 0);
    }
    std::remove(m_errorPath.c_str());
}

std::optional<std::string> RunningProgram::waitForWindow(const std::string& caption,
                                                         std::chrono::seconds deadline) {
    const std::string command = "timeout " + std::to_string(deadline.count()) +
                                " xdotool search --sync --onlyvisible --name '^" + caption +
                                "$' 2>/dev/null | head -n 1";
    const std::optional<std::string> output = runCommand(command);
    if (!output || output->empty())
        return std::nullopt;
    return output->substr(0, output->find('\n'));
}

std::optional<int> RunningProgram::waitForExit(std::chrono::seconds deadline) {
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        const pid_t ended = waitpid(m_pid, &status, WNOHANG);
        if (ended == m_pid) {
            m_pid = -1;
            if (WIFEXITED(status))
                return WEXITSTATUS(status);
            return 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

std::string RunningProgram::standardError() const {
    return readFile(m_errorPath);
}

void focusWindow(const std::string& window) {
    runCommand("xdotool windowfocus --sync " + window);
}

void pressKey(const std::string& keyName) {
    runCommand("xdotool key " + keyName);
}

namespace {

// One connection to the test display. An X error (a window closed
// meanwhile) fails the one request instead of ending the test program, as
// Xlib's default handler would.
Display* testDisplay() {
    static Display* const display = [] {
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        return XOpenDisplay(nullptr);
    }();
    if (display == nullptr)
        throw std::runtime_error("cannot open the test display");
    return display;
}

} // namespace

Screenshot takeScreenshot(const std::string& window) {
    XWindowAttributes size{};
    XGetWindowAttributes(testDisplay(), std::stoul(window), &size);
    XImage* image = XGetImage(testDisplay(), std::stoul(window), 0, 0, size.width, size.height,
                              AllPlanes, ZPixmap);
    if (image == nullptr)
        throw std::runtime_error("no screenshot of window " + window);
    Screenshot shot{size.width, size.height, {}};
    shot.rgb.reserve(std::size_t(3) * size.width * size.height);
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x) {
            const unsigned long pixel = XGetPixel(image, x, y);
            // A true-colour visual's masks are never zero.
            for (unsigned long mask : {image->red_mask, image->green_mask, image->blue_mask})
                shot.rgb.push_back(
                    static_cast<unsigned char>((pixel & mask) >> __builtin_ctzl(mask)));
        }
    XDestroyImage(image);
    return shot;
}
