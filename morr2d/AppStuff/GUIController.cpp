// Interface layer of morr2d.
#include "AppStuff/GUIController.h"

#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "EventSystem.h"
#include "ResourceManager.h"
#include "VideoSystem.h"

namespace {
// In front of everything the world queues.
const int GUI_DEPTH = -999999;
} // namespace

GUIController::GUIController(ApplicationStateController* appStateController)
    : Drawable(GUI_DEPTH), m_appStateController(appStateController) {
    setVisible(false);
    m_appStateController->getApplicationController()->getResourceManager()->getSprite(
        SP_CursorArrow, &m_MenuCursor);
}

GUIController::~GUIController() {
    m_MenuCursor.nullify();
}

void GUIController::gameFrame() {
    m_appStateController->getApplicationController()->getVideoSystem()->drawAdd(this);
}

void GUIController::draw() {
    const EventSystem* events = m_appStateController->getApplicationController()->getEventSystem();
    m_MenuCursor->draw(static_cast<float>(events->getMouseX()),
                       static_cast<float>(events->getMouseY()), 1, 1, 0);
}
