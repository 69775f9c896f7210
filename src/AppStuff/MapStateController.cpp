// The map state's contract (initialise once, pause flag, messages) and its
// tick order. The cursor is placed after the world has ticked, so entities
// aiming at it see where it was a tick ago.
#include "AppStuff/MapStateController.h"

#include "AppStuff/MapController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "Entities/Characters/E_Player.h"
#include "EventSystem.h"
#include "Logger.h"

MapStateController::MapStateController(ApplicationStateController* appStateController)
    : m_initialized(false), m_appStateController(appStateController), m_paused(false) {}

MapStateController::~MapStateController() {
    m_cameraTarget.nullify();
    m_player.nullify();
    m_gameCursor.nullify();
    m_mapController.reset();
}

void MapStateController::initialize(const char* path) {
    if (m_initialized) {
        m_appStateController->getApplicationController()->getLogger()->logError(
            "MapStateController is already initialized.");
        return;
    }
    m_mapController = std::make_unique<MapController>(this);
    m_mapController->loadMap(path);
    m_initialized = true;
}

void MapStateController::gameTick() {
    if (!m_initialized) {
        m_appStateController->getApplicationController()->getLogger()->logError(
            "gameTick() can't execute until MapStateController is initialized.");
        return;
    }
    if (m_paused)
        return;
    m_mapController->gameTick();
    followCameraTarget();
    placeGameCursor();
}

void MapStateController::gameFrame() {
    if (!m_initialized) {
        m_appStateController->getApplicationController()->getLogger()->logError(
            "gameFrame() can't execute until MapStateController is initialized.");
        return;
    }
    m_mapController->gameFrame();
}
