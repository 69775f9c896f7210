// Settings defaults and the setters that refuse, and what the default menu
// keys do in the running engine (the movement keys are tried on each
// program's player with its world). Compiled into the tests of both
// programs: the window size is the one default that differs.
#include <SDL/SDL.h>
#include <atomic>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

#include "AppStuff/GUIController.h"
#include "ApplicationSettings.h"
#include "ProgramProfile.h"
#include "TestEngine.h"

namespace {
void expectDefaults(const ApplicationSettings& settings) {
    const bool isMorr2d = std::string(programProfile().caption) == "Morr 2D";
    EXPECT_EQ(settings.getVIDEO_screenWidth(), isMorr2d ? 1280 : 800);
    EXPECT_EQ(settings.getVIDEO_screenHeight(), isMorr2d ? 960 : 600);
    EXPECT_EQ(settings.getVIDEO_screenBPP(), 32);
    EXPECT_FALSE(settings.getVIDEO_fullScreen());
    EXPECT_EQ(settings.getSOUND_musicVolume(), 1.0f);
    EXPECT_STREQ(settings.getSOUND_midiDLSname(), "gm.dls");
}

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

TEST(Settings, DefaultsStandWhateverTheConfigFileOrTheRefusingSettersSay) {
    {
        std::ofstream file("config.cfg");
        file << "VIDEO_screenWidth=1024\nVIDEO_fullScreen=1\n";
    }
    ApplicationSettings settings(nullptr, "config.cfg");
    std::remove("config.cfg");
    EXPECT_FALSE(settings.setVIDEO_fullScreen(true));
    EXPECT_FALSE(settings.setVIDEO_screenHeight(123));
    EXPECT_FALSE(settings.setVIDEO_screenBPP(8));
    EXPECT_FALSE(settings.setSOUND_midiDLSname("other.dls"));
    expectDefaults(settings);

    // A volume is stored unchecked, until a reset.
    EXPECT_TRUE(settings.setSOUND_musicVolume(2.5f));
    EXPECT_EQ(settings.getSOUND_musicVolume(), 2.5f);
    settings.ResetSettings();
    expectDefaults(settings);
}

TEST(DefaultMenuKeys, EscapeTogglesTheInterfaceLayerAndF10EndsTheMainLoop) {
    TestEngine engine;
    engine.state->init();
    engine.state->startPregameSplashScreens();
    engine.controller->runPass(1.0);
    ASSERT_FALSE(engine.state->getGUIController()->getVisible());
    engine.tapKey(SDLK_ESCAPE);
    engine.controller->runPass(1.0);
    EXPECT_TRUE(engine.state->getGUIController()->getVisible());
    engine.tapKey(SDLK_ESCAPE);
    engine.controller->runPass(1.0);
    EXPECT_FALSE(engine.state->getGUIController()->getVisible());

    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_TIMER), 0);
    watchdogFired = false;
    const SDL_TimerID watchdog = SDL_AddTimer(10000, stopLoop, nullptr);
    engine.tapKey(SDLK_F10);
    engine.controller->appLoop();
    SDL_RemoveTimer(watchdog);
    EXPECT_FALSE(watchdogFired);
    EXPECT_FALSE(engine.controller->getRunning());
}
