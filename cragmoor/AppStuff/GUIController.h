// The in-game interface layer: an overlay that the pause key shows and
// hides. While shown it draws the arrow cursor at the mouse, in the flat
// 640 x 480 view; the menus it is meant to hold have no content yet.
#pragma once

#include "PointerManager.h"

class ApplicationStateController;
class Sprite;

class GUIController {
  public:
    explicit GUIController(ApplicationStateController* appStateController);
    virtual ~GUIController();
    GUIController(const GUIController&) = delete;
    GUIController& operator=(const GUIController&) = delete;

    bool getVisible() const { return m_visible; }
    void setVisible(bool visible) { m_visible = visible; }
    // The main menu and the new-game menu; both are still empty.
    void showMain() {}
    void showNewGame() {}
    // Draws the arrow cursor while visible; touches nothing while hidden.
    void gameFrame();
    ApplicationStateController* getApplicationStateController() const {
        return m_appStateController;
    }

  private:
    ApplicationStateController* m_appStateController;
    Pointer<Sprite> m_MenuCursor;
    bool m_visible;
};
