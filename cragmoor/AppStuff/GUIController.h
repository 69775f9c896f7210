// The in-game interface layer: an overlay shown and hidden with the pause
// key. Its drawing arrives with the sprites; for now it keeps its
// visibility so the pause key already works.
#pragma once

class ApplicationStateController;

class GUIController {
  public:
    explicit GUIController(ApplicationStateController* appStateController);
    virtual ~GUIController();

    bool getVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    void showMain() {}
    void showNewGame() {}
    void gameFrame() {}
    ApplicationStateController* getApplicationStateController() const {
        return m_appStateController;
    }

  private:
    ApplicationStateController* m_appStateController;
    bool m_visible;
};
