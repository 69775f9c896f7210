// Tick and frame dispatch of the top-level state machine. The reserved menu
// keys have no action yet, but a press of one still masks the pause key for
// that tick, so that key combinations keep behaving the same once they do.
#include "ApplicationStateController.h"

#include "AppStuff/GUIController.h"
#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationSettings.h"
#include "EventSystem.h"
#include "Logger.h"
#include "ProgramProfile.h"

ApplicationStateController::ApplicationStateController(ApplicationController* appController)
    : m_appController(appController), m_applicationState(APPST_NOTHING), m_applicationStateIndex(0),
      m_mapStateController(nullptr), m_guiController(nullptr) {}

ApplicationStateController::~ApplicationStateController() {
    delete m_mapStateController;
    delete m_guiController;
}

void ApplicationStateController::init() {
    m_guiController = new GUIController(this);
}

void ApplicationStateController::enterState(ApplicationState state) {
    m_applicationState = state;
    m_applicationStateIndex = 0;
}

void ApplicationStateController::startPregameSplashScreens() {
    enterState(APPST_PREGAME_SPLASH);
}

void ApplicationStateController::advancePregameSplashScreens() {
    if (m_applicationState != APPST_PREGAME_SPLASH)
        startPregameSplashScreens();
}

void ApplicationStateController::startGame() {
    enterState(APPST_MAP);
    m_mapStateController = new MapStateController(this);
    m_mapStateController->initialize(programProfile().mapName);
}

bool ApplicationStateController::menuKeyPressed() const {
    const EventSystem* events = m_appController->getEventSystem();
    const ApplicationSettings* settings = m_appController->getApplicationSettings();
    const SDLKey menuKeys[] = {settings->m_CONTROL_KBD_quickSave, settings->m_CONTROL_KBD_quickLoad,
                               settings->m_CONTROL_KBD_save,      settings->m_CONTROL_KBD_load,
                               settings->m_CONTROL_KBD_help,      settings->m_CONTROL_KBD_options};
    for (SDLKey key : menuKeys) {
        if (events->getKeyStatePressed(key))
            return true;
    }
    return false;
}

void ApplicationStateController::togglePauseLayer() {
    if (m_guiController == nullptr)
        return;
    if (m_guiController->getVisible()) {
        m_guiController->setVisible(false);
    } else {
        m_guiController->setVisible(true);
        m_guiController->showMain();
    }
}

void ApplicationStateController::gameTick() {
    const SDLKey pauseKey = m_appController->getApplicationSettings()->m_CONTROL_KBD_pause;
    if (!menuKeyPressed() && m_appController->getEventSystem()->getKeyStatePressed(pauseKey))
        togglePauseLayer();

    switch (m_applicationState) {
    case APPST_PREGAME_SPLASH:
        startGame();
        break;
    case APPST_MAP:
        if (m_mapStateController == nullptr) {
            m_appController->getLogger()->logError("Ended up inside an invalid application state");
            startPregameSplashScreens();
            break;
        }
        m_mapStateController->gameTick();
        break;
    case APPST_MAP_END:
    case APPST_SPLASH:
        break;
    default:
        m_appController->getLogger()->logError("Ended up inside an invalid application state");
        break;
    }
}

// The interface layer is an overlay: drawn before the map, the map's sky
// (a full-screen quad) would paint over it.
void ApplicationStateController::gameFrame() {
    if (m_mapStateController != nullptr)
        m_mapStateController->gameFrame();
    if (m_guiController != nullptr)
        m_guiController->gameFrame();
}
