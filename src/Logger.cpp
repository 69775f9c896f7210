// Formatting shared by every logger. Each entry point formats into a stack
// buffer so that logging never allocates (except for a fatal error's
// exception) and a runaway message is cut rather than overrunning anything.
#include "Logger.h"

#include <cstdarg>
#include <cstdio>

namespace {

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
void formatInto(char (&buffer)[LOG_MESSAGE_LEN], const char* format, va_list args) {
    std::vsnprintf(buffer, LOG_MESSAGE_LEN, format, args);
}
#pragma GCC diagnostic pop

} // namespace

// Every entry point has the same body: format, then hand the text to the
// level's output. The string overloads take their format by value, which the
// compilers we build with accept as the last named argument of va_start.
#define LOGGER_ENTRY(name, output, FormatType, formatOf)                                           \
    void Logger::name(FormatType format, ...) {                                                    \
        char buffer[LOG_MESSAGE_LEN];                                                              \
        va_list args;                                                                              \
        va_start(args, format);                                                                    \
        formatInto(buffer, formatOf(format), args);                                                \
        va_end(args);                                                                              \
        output(buffer);                                                                            \
    }

namespace {
const char* cString(const char* text) {
    return text;
}
const char* cString(const std::string& text) {
    return text.c_str();
}
} // namespace

Logger::Logger(ApplicationController* appController) : m_appController(appController) {}

Logger::~Logger() = default;

LOGGER_ENTRY(logError, outputError, const char*, cString)
LOGGER_ENTRY(logFatalError, outputFatalError, const char*, cString)
LOGGER_ENTRY(logInfo, outputInfo, const char*, cString)
LOGGER_ENTRY(logDebug, outputDebug, const char*, cString)
LOGGER_ENTRY(logError, outputError, std::string, cString)
LOGGER_ENTRY(logFatalError, outputFatalError, std::string, cString)
LOGGER_ENTRY(logInfo, outputInfo, std::string, cString)
LOGGER_ENTRY(logDebug, outputDebug, std::string, cString)
