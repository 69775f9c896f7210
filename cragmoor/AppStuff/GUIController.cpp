// Interface layer of cragmoor. It switches the video system to the flat
// projection itself: it draws before the map, which keeps its own record of
// the projection.
#include "AppStuff/GUIController.h"

#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "EventSystem.h"
#include "ResourceManager.h"
#include "Resources/Sprite.h"
#include "VideoSystem.h"

GUIController::GUIController(ApplicationStateController* appStateController)
    : m_appStateController(appStateController), m_visible(false) {
    m_appStateController->getApplicationController()->getResourceManager()->getSprite(
        SP_CursorArrow, &m_MenuCursor);
}

GUIController::~GUIController() = default;

void GUIController::gameFrame() {
    if (!m_visible || m_MenuCursor.isNull())
        return;
    ApplicationController* application = m_appStateController->getApplicationController();
    const EventSystem* events = application->getEventSystem();
    application->getVideoSystem()->set2Dmode();
    m_MenuCursor->draw(events->getMouseX(), events->getMouseY(), 1, 1, 0, 1, 1, 1, 1);
}
