// The settings that refuse to change and the one that changes until a
// reset, and the quit key ending the running engine's main loop. Compiled
// into the tests of both programs. (The default window sizes are the end-to-
// end tests' window checks; the pause key is the state machine's test.)
#include <SDL/SDL.h>
#include <atomic>
#include <gtest/gtest.h>

#include "ApplicationSettings.h"
#include "ProgramProfile.h"
#include "TestEngine.h"

namespace {
// Ends a loop that the key under test failed to end, so the test fails
// instead of hanging.
std::atomic<bool> watchdogFired{false};
Uint32 stopLoop(Uint32, void*) {
    watchdogFired = true;
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    return 0;
}
} // namespace

TEST(Settings, VideoModeAndSoundBankStayAndAVolumeLastsUntilAReset) {
    ApplicationSettings settings(nullptr, "config.cfg");
    EXPECT_FALSE(settings.setVIDEO_fullScreen(true));
    EXPECT_FALSE(settings.setVIDEO_screenHeight(123));
    EXPECT_FALSE(settings.setVIDEO_screenBPP(8));
    EXPECT_FALSE(settings.setSOUND_midiDLSname("other.dls"));
    EXPECT_FALSE(settings.getVIDEO_fullScreen());
    EXPECT_EQ(settings.getVIDEO_screenHeight(), programProfile().defaultScreenHeight);
    EXPECT_EQ(settings.getVIDEO_screenBPP(), 32);
    EXPECT_STREQ(settings.getSOUND_midiDLSname(), "gm.dls");

    EXPECT_TRUE(settings.setSOUND_musicVolume(2.5f));
    EXPECT_EQ(settings.getSOUND_musicVolume(), 2.5f);
    settings.ResetSettings();
    EXPECT_EQ(settings.getSOUND_musicVolume(), 1.0f);
}

TEST(DefaultMenuKeys, F10EndsTheMainLoop) {
    TestEngine engine;
    engine.state->init();
    engine.state->startPregameSplashScreens();
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0);
    const SDL_TimerID watchdog = SDL_AddTimer(10000, stopLoop, nullptr);
    engine.tapKey(SDLK_F10);
    engine.controller->appLoop();
    SDL_RemoveTimer(watchdog);
    EXPECT_FALSE(watchdogFired);
    EXPECT_FALSE(engine.controller->getRunning());
}
