// The console logger of both programs: errors and debug lines on standard
// error, information on standard output, one flushed line per message.
#pragma once

#include "Logger.h"

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
