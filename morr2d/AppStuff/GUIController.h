// The in-game interface layer of morr2d: a drawable at the very front of
// the draw list, hidden until the pause key shows it, that draws the arrow
// cursor at the mouse.
#pragma once

#include "Objects/Drawable.h"
#include "PointerManager.h"
#include "Resources/Sprite.h"

class ApplicationStateController;

class GUIController : public Drawable {
  public:
    explicit GUIController(ApplicationStateController* appStateController);
    ~GUIController() override;

    void showMain() {}
    void showNewGame() {}
    // Queues the layer on the draw list; the list draws it on top.
    void gameFrame();
    void draw() override;
    ApplicationStateController* getApplicationStateController() const {
        return m_appStateController;
    }

  private:
    ApplicationStateController* m_appStateController;
    Pointer<Sprite> m_MenuCursor;
};
