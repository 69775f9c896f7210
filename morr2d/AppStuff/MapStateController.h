// The game-play state: created when the game starts, it owns the world and
// forwards ticks and frames to it. Until the world exists it only keeps its
// initialisation contract and pause flag.
#pragma once

class ApplicationStateController;

class MapStateController {
  public:
    explicit MapStateController(ApplicationStateController* appStateController);
    virtual ~MapStateController();

    void initialize(const char* path);
    bool getInitialized() const { return m_initialized; }
    void gameTick();
    void gameFrame();
    void setPaused(bool paused) { m_paused = paused; }
    bool getPaused() const { return m_paused; }
    ApplicationStateController* getApplicationStateController() const {
        return m_appStateController;
    }

  private:
    bool m_initialized;
    ApplicationStateController* m_appStateController;
    bool m_paused;
};
