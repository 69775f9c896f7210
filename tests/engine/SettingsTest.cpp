// Settings defaults and the setters that refuse. Compiled into the tests of
// both programs: the window size is the one default that differs.
#include <SDL/SDL.h>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

#include "ApplicationSettings.h"
#include "ProgramProfile.h"

namespace {
// Keys by what they are on the keyboard: A walks left, F10 quits, ...
void expectDefaults(const ApplicationSettings& settings) {
    const bool isMorr2d = std::string(programProfile().caption) == "Morr 2D";
    EXPECT_EQ(settings.getVIDEO_screenWidth(), isMorr2d ? 1280 : 800);
    EXPECT_EQ(settings.getVIDEO_screenHeight(), isMorr2d ? 960 : 600);
    EXPECT_EQ(settings.getVIDEO_screenBPP(), 32);
    EXPECT_FALSE(settings.getVIDEO_fullScreen());
    EXPECT_TRUE(settings.getSOUND_enabled());
    EXPECT_EQ(settings.getSOUND_globalVolume(), 1.0f);
    EXPECT_EQ(settings.getSOUND_soundVolume(), 1.0f);
    EXPECT_EQ(settings.getSOUND_musicVolume(), 1.0f);
    EXPECT_STREQ(settings.getSOUND_midiDLSname(), "gm.dls");
    EXPECT_EQ(settings.m_CONTROL_KBD_walkLeft, SDLK_a);
    EXPECT_EQ(settings.m_CONTROL_KBD_walkRight, SDLK_d);
    EXPECT_EQ(settings.m_CONTROL_KBD_jump, SDLK_w);
    EXPECT_EQ(settings.m_CONTROL_KBD_crouch, SDLK_s);
    EXPECT_EQ(settings.m_CONTROL_MOU_walkLeft, 0);
    EXPECT_EQ(settings.m_CONTROL_MOU_walkRight, 0);
    EXPECT_EQ(settings.m_CONTROL_MOU_jump, 0);
    EXPECT_EQ(settings.m_CONTROL_MOU_crouch, 0);
    EXPECT_EQ(settings.m_CONTROL_KBD_pause, SDLK_ESCAPE);
    EXPECT_EQ(settings.m_CONTROL_KBD_help, SDLK_F1);
    EXPECT_EQ(settings.m_CONTROL_KBD_save, SDLK_F2);
    EXPECT_EQ(settings.m_CONTROL_KBD_load, SDLK_F3);
    EXPECT_EQ(settings.m_CONTROL_KBD_options, SDLK_F4);
    EXPECT_EQ(settings.m_CONTROL_KBD_quickSave, SDLK_F5);
    EXPECT_EQ(settings.m_CONTROL_KBD_quickLoad, SDLK_F6);
    EXPECT_EQ(settings.m_CONTROL_KBD_screenShot, SDLK_PRINT);
    EXPECT_EQ(settings.m_CONTROL_KBD_quit, SDLK_F10);
}
} // namespace

TEST(Settings, FreshSettingsHoldTheProgramDefaults) {
    ApplicationSettings settings(nullptr, "config.cfg");
    expectDefaults(settings);
}

TEST(Settings, ConfigFileInWorkingDirectoryIsIgnored) {
    {
        std::ofstream file("config.cfg");
        file << "VIDEO_screenWidth=1024\nVIDEO_fullScreen=1\n";
    }
    ApplicationSettings settings(nullptr, "config.cfg");
    std::remove("config.cfg");
    expectDefaults(settings);
}

TEST(Settings, VideoModeAndSoundBankSettersRefuse) {
    ApplicationSettings settings(nullptr, "config.cfg");
    EXPECT_FALSE(settings.setVIDEO_fullScreen(true));
    EXPECT_FALSE(settings.setVIDEO_screenHeight(123));
    EXPECT_FALSE(settings.setVIDEO_screenBPP(8));
    EXPECT_FALSE(settings.setSOUND_midiDLSname("other.dls"));
    expectDefaults(settings);
}

TEST(Settings, SoundSettersStoreValuesUnchecked) {
    ApplicationSettings settings(nullptr, "config.cfg");
    EXPECT_TRUE(settings.setSOUND_musicVolume(2.5f));
    EXPECT_TRUE(settings.setSOUND_soundVolume(-1.0f));
    EXPECT_TRUE(settings.setSOUND_globalVolume(0.25f));
    EXPECT_TRUE(settings.setSOUND_enabled(false));
    EXPECT_EQ(settings.getSOUND_musicVolume(), 2.5f);
    EXPECT_EQ(settings.getSOUND_soundVolume(), -1.0f);
    EXPECT_EQ(settings.getSOUND_globalVolume(), 0.25f);
    EXPECT_FALSE(settings.getSOUND_enabled());
    settings.ResetSettings();
    expectDefaults(settings);
}
