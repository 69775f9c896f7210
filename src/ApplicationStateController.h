// The top of the game logic: decides whether the game or nothing runs, owns
// the interface layer and the map state, and handles the menu and pause
// keys before the map sees a tick.
#pragma once

#include <cstdint>

class ApplicationController;
class GUIController;
class MapStateController;

class ApplicationStateController {
  public:
    enum ApplicationState : std::uint32_t {
        APPST_NOTHING = 0,
        APPST_PREGAME_SPLASH = 1,
        APPST_MAP = 2,
        APPST_MAP_END = 3,
        APPST_SPLASH = 4,
    };

    explicit ApplicationStateController(ApplicationController* appController);
    virtual ~ApplicationStateController();
    ApplicationStateController(const ApplicationStateController&) = delete;
    ApplicationStateController& operator=(const ApplicationStateController&) = delete;

    ApplicationController* getApplicationController() const { return m_appController; }
    ApplicationState getApplicationState() const { return m_applicationState; }
    GUIController* getGUIController() const { return m_guiController; }
    MapStateController* getMapStateController() const { return m_mapStateController; }

    void init();
    void startPregameSplashScreens();
    void advancePregameSplashScreens();
    void startGame();
    void advanceGame() {}
    void startSingleMap(const char* /*mapPath*/) {}

    void gameTick();
    void gameFrame();

  private:
    bool menuKeyPressed() const;
    void togglePauseLayer();
    void enterState(ApplicationState state);

    ApplicationController* m_appController;
    ApplicationState m_applicationState;
    std::uint32_t m_applicationStateIndex;
    MapStateController* m_mapStateController;
    GUIController* m_guiController;
};
