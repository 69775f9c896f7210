// A logger for tests: keeps every line with its level instead of printing,
// and throws on a fatal message like the game's logger does.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "Logger.h"

class RecordingLogger : public Logger {
  public:
    struct Line {
        std::string level;
        std::string text;
    };

    explicit RecordingLogger(ApplicationController* controller) : Logger(controller) {}

    std::vector<Line> lines;

    std::vector<std::string> errors() const { return textsOf("error"); }
    std::vector<std::string> textsOf(const std::string& level) const {
        std::vector<std::string> texts;
        for (const Line& line : lines)
            if (line.level == level)
                texts.push_back(line.text);
        return texts;
    }

  protected:
    void outputError(const char* message) override { lines.push_back({"error", message}); }
    void outputFatalError(const char* message) override {
        lines.push_back({"fatal", message});
        throw std::runtime_error(message);
    }
    void outputInfo(const char* message) override { lines.push_back({"info", message}); }
    void outputDebug(const char* message) override { lines.push_back({"debug", message}); }
};
