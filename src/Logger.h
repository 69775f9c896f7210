// The one way the system reports anything. Messages are formatted
// printf-style into a fixed buffer and handed to the output of the concrete
// logger; a fatal message is the system's way of stopping.
#pragma once

#include <string>

class ApplicationController;

const unsigned char LOG_MESSAGE_LEN = 255;

class Logger {
  public:
    explicit Logger(ApplicationController* appController);
    virtual ~Logger();

    void logError(std::string messageCPP, ...);
    void logFatalError(std::string messageCPP, ...);
    void logInfo(std::string messageCPP, ...);
    void logDebug(std::string messageCPP, ...);
    void logError(const char* message, ...) __attribute__((format(printf, 2, 3)));
    void logFatalError(const char* message, ...) __attribute__((format(printf, 2, 3)));
    void logInfo(const char* message, ...) __attribute__((format(printf, 2, 3)));
    void logDebug(const char* message, ...) __attribute__((format(printf, 2, 3)));

  protected:
    virtual void outputError(const char* message) = 0;
    virtual void outputFatalError(const char* message) = 0;
    virtual void outputInfo(const char* message) = 0;
    virtual void outputDebug(const char* message) = 0;

    ApplicationController* m_appController;
};
