// Defaults of the settings. The window size is the one value that differs
// between the programs, so it comes from the program's profile.
#include "ApplicationSettings.h"

#include "ProgramProfile.h"

ApplicationSettings::ApplicationSettings(ApplicationController* appController, const char* /*path*/)
    : m_appController(appController) {
    ResetSettings();
}

ApplicationSettings::~ApplicationSettings() = default;

void ApplicationSettings::ResetSettings() {
    m_VIDEO_screenWidth = programProfile().defaultScreenWidth;
    m_VIDEO_screenHeight = programProfile().defaultScreenHeight;
    m_VIDEO_screenBPP = 32;
    m_VIDEO_fullScreen = false;
    m_SOUND_enabled = true;
    m_SOUND_globalVolume = 1.0f;
    m_SOUND_soundVolume = 1.0f;
    m_SOUND_musicVolume = 1.0f;
    m_SOUND_midiDLSname = "gm.dls";
    m_CONTROL_KBD_walkLeft = SDLK_a;
    m_CONTROL_KBD_walkRight = SDLK_d;
    m_CONTROL_KBD_jump = SDLK_w;
    m_CONTROL_KBD_crouch = SDLK_s;
    m_CONTROL_MOU_walkLeft = 0;
    m_CONTROL_MOU_walkRight = 0;
    m_CONTROL_MOU_jump = 0;
    m_CONTROL_MOU_crouch = 0;
    m_CONTROL_KBD_pause = SDLK_ESCAPE;
    m_CONTROL_KBD_help = SDLK_F1;
    m_CONTROL_KBD_save = SDLK_F2;
    m_CONTROL_KBD_load = SDLK_F3;
    m_CONTROL_KBD_options = SDLK_F4;
    m_CONTROL_KBD_quickSave = SDLK_F5;
    m_CONTROL_KBD_quickLoad = SDLK_F6;
    m_CONTROL_KBD_screenShot = SDLK_PRINT;
    m_CONTROL_KBD_quit = SDLK_F10;
}

bool ApplicationSettings::setVIDEO_screenHeight(int) {
    return false;
}
bool ApplicationSettings::setVIDEO_screenBPP(int) {
    return false;
}
bool ApplicationSettings::setVIDEO_fullScreen(bool) {
    return false;
}
bool ApplicationSettings::setSOUND_midiDLSname(const char*) {
    return false;
}

bool ApplicationSettings::setSOUND_enabled(bool value) {
    m_SOUND_enabled = value;
    return true;
}

bool ApplicationSettings::setSOUND_globalVolume(float value) {
    m_SOUND_globalVolume = value;
    return true;
}

bool ApplicationSettings::setSOUND_soundVolume(float value) {
    m_SOUND_soundVolume = value;
    return true;
}

bool ApplicationSettings::setSOUND_musicVolume(float value) {
    m_SOUND_musicVolume = value;
    return true;
}

void SaveSettings(std::string* /*path*/) {}
