// The default quit key ending the running engine's main loop, in both
// programs. (The pause key is the state machine's test; the settings'
// defaults are the end-to-end tests' window sizes and the bank the morr2d
// session's music is played with; their setters are one line each.)
#include <SDL/SDL.h>
#include <atomic>
#include <gtest/gtest.h>

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
