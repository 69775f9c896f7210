// Interface layer of cragmoor.
#include "AppStuff/GUIController.h"

GUIController::GUIController(ApplicationStateController* appStateController)
    : m_appStateController(appStateController), m_visible(false) {}

GUIController::~GUIController() = default;
