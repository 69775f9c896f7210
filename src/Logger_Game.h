// The console logger of both programs: errors and debug lines on standard
// error, information on standard output, one flushed line per message.
#pragma once

#include <stdexcept>

#include "Logger.h"

// What a fatal message of the console logger throws: a std::runtime_error
// carrying the message, whose line has already been printed, so the program
// entry ends the program without printing it again.
class PrintedFatalError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class Logger_Game : public Logger {
  public:
    explicit Logger_Game(ApplicationController* appController);
    ~Logger_Game() override;

  private:
    void outputError(const char* message) override;
    void outputFatalError(const char* message) override;
    void outputInfo(const char* message) override;
    void outputDebug(const char* message) override;
};
