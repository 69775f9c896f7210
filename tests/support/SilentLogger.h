// A logger for fuzz targets: it prints nothing, and a fatal message throws
// (as the game's logger does), so that a refused input ends the call.
#pragma once

#include <stdexcept>

#include "Logger.h"

class SilentLogger : public Logger {
  public:
    SilentLogger() : Logger(nullptr) {}

  protected:
    void outputError(const char*) override {}
    void outputFatalError(const char* message) override { throw std::runtime_error(message); }
    void outputInfo(const char*) override {}
    void outputDebug(const char*) override {}
};
