// The user-adjustable values: video mode, sound switches, the MIDI sound
// bank and the key bindings. Nothing is persisted; every run starts from the
// defaults, and only the sound values may change afterwards.
#pragma once

#include <SDL/SDL.h>
#include <string>

class ApplicationController;

class ApplicationSettings {
  public:
    ApplicationSettings(ApplicationController* appController, const char* path);
    virtual ~ApplicationSettings();

    void ResetSettings();
    ApplicationController* getApplicationController() const { return m_appController; }

    int getVIDEO_screenWidth() const { return m_VIDEO_screenWidth; }
    int getVIDEO_screenHeight() const { return m_VIDEO_screenHeight; }
    int getVIDEO_screenBPP() const { return m_VIDEO_screenBPP; }
    bool getVIDEO_fullScreen() const { return m_VIDEO_fullScreen; }
    bool getSOUND_enabled() const { return m_SOUND_enabled; }
    float getSOUND_globalVolume() const { return m_SOUND_globalVolume; }
    float getSOUND_soundVolume() const { return m_SOUND_soundVolume; }
    float getSOUND_musicVolume() const { return m_SOUND_musicVolume; }
    const char* getSOUND_midiDLSname() const { return m_SOUND_midiDLSname.c_str(); }

    // The video mode and the sound bank are fixed for the run: these refuse.
    bool setVIDEO_screenHeight(int value);
    bool setVIDEO_screenBPP(int value);
    bool setVIDEO_fullScreen(bool value);
    bool setSOUND_midiDLSname(const char* value);

    bool setSOUND_enabled(bool value);
    bool setSOUND_globalVolume(float value);
    bool setSOUND_soundVolume(float value);
    bool setSOUND_musicVolume(float value);

    SDLKey m_CONTROL_KBD_walkLeft;
    SDLKey m_CONTROL_KBD_walkRight;
    SDLKey m_CONTROL_KBD_jump;
    SDLKey m_CONTROL_KBD_crouch;
    Uint8 m_CONTROL_MOU_walkLeft;
    Uint8 m_CONTROL_MOU_walkRight;
    Uint8 m_CONTROL_MOU_jump;
    Uint8 m_CONTROL_MOU_crouch;
    SDLKey m_CONTROL_KBD_pause;
    SDLKey m_CONTROL_KBD_help;
    SDLKey m_CONTROL_KBD_save;
    SDLKey m_CONTROL_KBD_load;
    SDLKey m_CONTROL_KBD_options;
    SDLKey m_CONTROL_KBD_quickSave;
    SDLKey m_CONTROL_KBD_quickLoad;
    SDLKey m_CONTROL_KBD_screenShot;
    SDLKey m_CONTROL_KBD_quit;

  private:
    ApplicationController* m_appController;
    int m_VIDEO_screenWidth;
    int m_VIDEO_screenHeight;
    int m_VIDEO_screenBPP;
    bool m_VIDEO_fullScreen;
    bool m_SOUND_enabled;
    float m_SOUND_globalVolume;
    float m_SOUND_soundVolume;
    float m_SOUND_musicVolume;
    std::string m_SOUND_midiDLSname;
};

// Accepts a settings path and writes nothing: there is no settings file.
void SaveSettings(std::string* path);
