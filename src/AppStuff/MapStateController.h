// The game-play state: created when the game starts, it owns the world,
// keeps the view on the camera target and the game cursor under the mouse.
// Compiled once per program against that program's world; only the two
// steps that speak of positions are the program's own
// (AppStuff/MapStateFollow.cpp of each).
#pragma once

#include <memory>

#include "Entities/Entity.h"
#include "PointerManager.h"

class ApplicationStateController;
class E_CursorGame;
class E_Player;
class MapController;

class MapStateController {
  public:
    explicit MapStateController(ApplicationStateController* appStateController);
    virtual ~MapStateController();
    MapStateController(const MapStateController&) = delete;
    MapStateController& operator=(const MapStateController&) = delete;

    void initialize(const char* path);
    bool getInitialized() const { return m_initialized; }
    void gameTick();
    void gameFrame();
    void setPaused(bool paused) { m_paused = paused; }
    bool getPaused() const { return m_paused; }

    ApplicationStateController* getApplicationStateController() const {
        return m_appStateController;
    }
    MapController* getMapController() const { return m_mapController.get(); }
    const Pointer<Entity>& getCameraTarget() const { return m_cameraTarget; }
    void setCameraTarget(const Pointer<Entity>& target) { m_cameraTarget = target; }
    const Pointer<E_CursorGame>& getGameCursor() const { return m_gameCursor; }
    void setGameCursor(const Pointer<E_CursorGame>& cursor) { m_gameCursor = cursor; }
    const Pointer<E_Player>& getPlayer() const { return m_player; }
    void setPlayer(const Pointer<E_Player>& player) { m_player = player; }

  private:
    void followCameraTarget();
    void placeGameCursor();

    bool m_initialized;
    ApplicationStateController* m_appStateController;
    std::unique_ptr<MapController> m_mapController;
    bool m_paused;
    Pointer<Entity> m_cameraTarget;
    Pointer<E_Player> m_player;
    Pointer<E_CursorGame> m_gameCursor;
};
