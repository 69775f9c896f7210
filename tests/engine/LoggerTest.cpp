// The console logger: streams, prefixes, the message length limit and the
// fatal error's exception.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "Logger_Game.h"

using namespace testing::internal; // the stream captures

// Errors through the C-string overload and debug lines are the end-to-end
// tests' exact lines on standard error.
TEST(Logger, InfoGoesToStandardOutputAndAFormatStringMayBeAString) {
    Logger_Game logger(nullptr);
    CaptureStdout();
    CaptureStderr();
    logger.logInfo("SoundChan %p", static_cast<void*>(nullptr));
    logger.logError(std::string("value %d of %s"), 3, "four");
    EXPECT_EQ(GetCapturedStderr(), " *** ERROR: value 3 of four\n");
    EXPECT_EQ(GetCapturedStdout(), "SoundChan (nil)\n");
}

TEST(Logger, FatalErrorPrintsThenThrowsTheMessageCutAt254Characters) {
    Logger_Game logger(nullptr);
    const std::string name(300, 'x');
    CaptureStderr();
    try {
        logger.logFatalError("Font file %s failed to read", name.c_str());
        ADD_FAILURE() << "a fatal error must throw";
    } catch (const std::runtime_error& error) {
        const std::string message = ("Font file " + name).substr(0, 254);
        EXPECT_EQ(error.what(), message);
        EXPECT_EQ(GetCapturedStderr(), " *** ERROR: " + message + "\n");
    }
}
