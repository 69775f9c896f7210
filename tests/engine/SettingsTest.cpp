// A setting that changes until a reset, and the quit key ending the running
// engine's main loop. Compiled into the tests of both programs. (The pause
// key is the state machine's test.)
#include <SDL/SDL.h>
#include <atomic>
#include <gtest/gtest.h>

#include "ApplicationSettings.h"
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

// The refusing setters of the video mode and the sound bank are one line
// each and nothing calls them; the sizes are the end-to-end tests' windows.
TEST(Settings, AVolumeLastsUntilAReset) {
    ApplicationSettings settings(nullptr, "config.cfg");
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
