// Process control with POSIX calls, X control with xdotool, screenshots
// with xwd (whose dump format is simple enough to read here).
#include "X11Driver.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string temporaryPath(const char* suffix) {
    char pattern[] = "/tmp/e2e-XXXXXX";
    const int fd = mkstemp(pattern);
    if (fd < 0)
        throw std::runtime_error("cannot create a temporary file");
    close(fd);
    const std::string path = std::string(pattern) + suffix;
    std::rename(pattern, path.c_str());
    return path;
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
    : m_outputPath(temporaryPath(".out")), m_errorPath(temporaryPath(".err")) {
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        const int out = open(m_outputPath.c_str(), O_WRONLY | O_TRUNC);
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
    std::remove(m_outputPath.c_str());
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

std::string RunningProgram::standardOutput() const {
    return readFile(m_outputPath);
}
std::string RunningProgram::standardError() const {
    return readFile(m_errorPath);
}

WindowGeometry windowGeometry(const std::string& window) {
    const std::optional<std::string> output =
        runCommand("xdotool getwindowgeometry --shell " + window);
    WindowGeometry geometry;
    if (!output)
        return geometry;
    std::istringstream lines(*output);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("WIDTH=", 0) == 0)
            geometry.width = std::stoi(line.substr(6));
        if (line.rfind("HEIGHT=", 0) == 0)
            geometry.height = std::stoi(line.substr(7));
    }
    return geometry;
}

void focusWindow(const std::string& window) {
    runCommand("xdotool windowfocus --sync " + window);
}

void pressKey(const std::string& keyName) {
    runCommand("xdotool key " + keyName);
}

namespace {

std::uint32_t bigEndian32(const std::string& data, std::size_t offset) {
    if (offset + 4 > data.size())
        throw std::runtime_error("screenshot is truncated");
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(data[offset + i]); };
    return (std::uint32_t(byte(0)) << 24) | (std::uint32_t(byte(1)) << 16) |
           (std::uint32_t(byte(2)) << 8) | std::uint32_t(byte(3));
}

int maskShift(std::uint32_t mask) {
    int shift = 0;
    while (mask != 0 && (mask & 1u) == 0) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

} // namespace

Screenshot takeScreenshot(const std::string& window) {
    const std::optional<std::string> dump = runCommand("xwd -silent -id " + window);
    if (!dump)
        throw std::runtime_error("xwd failed for window " + window);
    const std::string& data = *dump;
    // The dump starts with 25 big-endian 32-bit header fields.
    const std::uint32_t headerSize = bigEndian32(data, 0);
    Screenshot shot;
    shot.width = static_cast<int>(bigEndian32(data, 16));
    shot.height = static_cast<int>(bigEndian32(data, 20));
    const std::uint32_t byteOrder = bigEndian32(data, 28);
    const std::uint32_t bitsPerPixel = bigEndian32(data, 44);
    const std::uint32_t bytesPerLine = bigEndian32(data, 48);
    const std::uint32_t masks[3] = {bigEndian32(data, 56), bigEndian32(data, 60),
                                    bigEndian32(data, 64)};
    const std::uint32_t colourCount = bigEndian32(data, 76);
    if (bitsPerPixel != 32)
        throw std::runtime_error("screenshot is not 32 bits per pixel");
    const std::size_t pixels = headerSize + colourCount * 12;
    if (pixels + std::size_t(bytesPerLine) * shot.height > data.size())
        throw std::runtime_error("screenshot is truncated");
    shot.rgb.resize(std::size_t(3) * shot.width * shot.height);
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x) {
            const std::size_t at = pixels + std::size_t(y) * bytesPerLine + std::size_t(x) * 4;
            const auto b = [&](int i) {
                return std::uint32_t(static_cast<unsigned char>(data[at + i]));
            };
            const std::uint32_t value = byteOrder == 0
                                            ? (b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24)
                                            : (b(3) | b(2) << 8 | b(1) << 16 | b(0) << 24);
            for (int c = 0; c < 3; ++c)
                shot.rgb[3 * (std::size_t(y) * shot.width + x) + c] =
                    static_cast<unsigned char>((value & masks[c]) >> maskShift(masks[c]));
        }
    }
    return shot;
}
