// Drives a real program under the X server the tests run on: starts it in
// a directory with its error output captured, finds its window by caption,
// presses keys through the X test extension, takes screenshots, and waits
// for it to end. Every wait has a deadline; none is a fixed sleep.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // row-major, top row first

    const unsigned char* at(int x, int y) const { return &rgb[3 * (y * width + x)]; }
};

// Variables to set (with a value) or remove (nullopt) in a program's
// environment.
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

class RunningProgram {
  public:
    RunningProgram(const std::string& program, const std::string& workingDirectory,
                   const EnvironmentChanges& environment = {});
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // The X window id of the program's window, once it has that caption.
    std::optional<std::string> waitForWindow(const std::string& caption,
                                             std::chrono::seconds deadline);
    // Exit status, or nullopt if the program did not end in time (it is
    // then killed). A program ended by a signal reports 128 + the signal.
    std::optional<int> waitForExit(std::chrono::seconds deadline);

    std::string standardError() const;

  private:
    pid_t m_pid;
    std::string m_errorPath;
};

// Runs a shell command and returns what it printed, or nullopt on failure.
std::optional<std::string> runCommand(const std::string& command);

void focusWindow(const std::string& window);
void pressKey(const std::string& keyName);
Screenshot takeScreenshot(const std::string& window);
