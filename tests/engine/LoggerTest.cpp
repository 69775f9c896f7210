// The console logger: streams, prefixes, the message length limit and the
// fatal error's exception.
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "Logger_Game.h"

using namespace testing::internal; // the stream captures

TEST(Logger, EachLevelGoesToItsStreamWithItsPrefix) {
    struct Level {
        const char* name;
        std::function<void(Logger_Game&)> log;
        std::string out, err;
    };
    const Level levels[] = {
        {"error", [](Logger_Game& l) { l.logError("value %d of %s", 3, "four"); }, "",
         " *** ERROR: value 3 of four\n"},
        {"error, string format",
         [](Logger_Game& l) { l.logError(std::string("value %d of %s"), 3, "four"); }, "",
         " *** ERROR: value 3 of four\n"},
        {"info", [](Logger_Game& l) { l.logInfo("SoundChan %p", static_cast<void*>(nullptr)); },
         "SoundChan (nil)\n", ""},
        {"debug", [](Logger_Game& l) { l.logDebug("face %d", 7); }, "", " DEBUG: face 7\n"},
    };
    for (const Level& level : levels) {
        Logger_Game logger(nullptr);
        CaptureStdout();
        CaptureStderr();
        level.log(logger);
        EXPECT_EQ(GetCapturedStderr(), level.err) << level.name;
        EXPECT_EQ(GetCapturedStdout(), level.out) << level.name;
    }
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
