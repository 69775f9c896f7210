// Interface layer of morr2d.
#include "AppStuff/GUIController.h"

#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "VideoSystem.h"

namespace {
// In front of everything the world queues.
const int GUI_DEPTH = -999999;
} // namespace

GUIController::GUIController(ApplicationStateController* appStateController)
    : Drawable(GUI_DEPTH), m_appStateController(appStateController) {
    setVisible(false);
}

GUIController::~GUIController() = default;

void GUIController::gameFrame() {
    m_appStateController->getApplicationController()->getVideoSystem()->drawAdd(this);
}
