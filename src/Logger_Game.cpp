// Console output of the logger. A fatal error is printed like any error and
// then thrown; the program entry catches it and ends the program.
#include "Logger_Game.h"

#include <cstdio>

namespace {
void writeLine(std::FILE* stream, const char* prefix, const char* message) {
    std::fprintf(stream, "%s%s\n", prefix, message);
    std::fflush(stream);
}
} // namespace

Logger_Game::Logger_Game(ApplicationController* appController) : Logger(appController) {}

Logger_Game::~Logger_Game() = default;

void Logger_Game::outputError(const char* message) {
    writeLine(stderr, " *** ERROR: ", message);
}

void Logger_Game::outputFatalError(const char* message) {
    writeLine(stderr, " *** ERROR: ", message);
    throw PrintedFatalError(message);
}

void Logger_Game::outputInfo(const char* message) {
    writeLine(stdout, "", message);
}

void Logger_Game::outputDebug(const char* message) {
    writeLine(stderr, " DEBUG: ", message);
}
