// The console logger: streams, prefixes, the message length limit and the
// fatal error's exception.
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "Logger_Game.h"

using testing::internal::CaptureStderr;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStderr;
using testing::internal::GetCapturedStdout;

TEST(Logger, ErrorGoesToStandardErrorWithItsPrefix) {
    Logger_Game logger(nullptr);
    CaptureStdout();
    CaptureStderr();
    logger.logError("Ended up inside an invalid application state");
    EXPECT_EQ(GetCapturedStderr(), " *** ERROR: Ended up inside an invalid application state\n");
    EXPECT_EQ(GetCapturedStdout(), "");
}

TEST(Logger, InfoGoesToStandardOutputAlone) {
    Logger_Game logger(nullptr);
    CaptureStdout();
    CaptureStderr();
    logger.logInfo("SoundChan %p", static_cast<void*>(nullptr));
    EXPECT_EQ(GetCapturedStdout(), "SoundChan (nil)\n");
    EXPECT_EQ(GetCapturedStderr(), "");
}

TEST(Logger, DebugGoesToStandardErrorWithItsPrefix) {
    Logger_Game logger(nullptr);
    CaptureStderr();
    logger.logDebug("face %d", 7);
    EXPECT_EQ(GetCapturedStderr(), " DEBUG: face 7\n");
}

TEST(Logger, FatalErrorPrintsThenThrowsTheBareMessage) {
    Logger_Game logger(nullptr);
    CaptureStderr();
    try {
        logger.logFatalError("Font file %s failed to read", "FN_12.fnt");
        ADD_FAILURE() << "a fatal error must throw";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Font file FN_12.fnt failed to read");
    }
    EXPECT_EQ(GetCapturedStderr(), " *** ERROR: Font file FN_12.fnt failed to read\n");
}

TEST(Logger, LongMessagesAreCutAt254CharactersInPrintAndException) {
    Logger_Game logger(nullptr);
    const std::string longArgument(300, 'x');
    CaptureStderr();
    std::string thrown;
    try {
        logger.logFatalError("%s", longArgument.c_str());
    } catch (const std::runtime_error& error) {
        thrown = error.what();
    }
    const std::string printed = GetCapturedStderr();
    EXPECT_EQ(thrown, std::string(254, 'x'));
    EXPECT_EQ(printed, " *** ERROR: " + std::string(254, 'x') + "\n");
}

TEST(Logger, StringFormatBehavesLikeCharacterFormat) {
    Logger_Game logger(nullptr);
    CaptureStderr();
    logger.logError(std::string("value %d of %s"), 3, "four");
    logger.logError("value %d of %s", 3, "four");
    EXPECT_EQ(GetCapturedStderr(), " *** ERROR: value 3 of four\n *** ERROR: value 3 of four\n");
}
