// morr2d's map state keeps the view on the camera target per axis and
// places the cursor by the view's left and top edges.
#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "EventSystem.h"

void MapStateController::followCameraTarget() {
    if (m_cameraTarget.isNull() || m_cameraTarget->getType() == EN_NONE)
        return;
    m_mapController->viewSetX(m_cameraTarget->getX() + m_cameraTarget->getXCenter());
    m_mapController->viewSetY(m_cameraTarget->getY() + m_cameraTarget->getYCenter());
}

void MapStateController::placeGameCursor() {
    if (m_gameCursor.isNull())
        return;
    const EventSystem* events = m_appStateController->getApplicationController()->getEventSystem();
    m_gameCursor->setXY(events->getMouseX() + m_mapController->viewGetLeft(),
                        events->getMouseY() + m_mapController->viewGetTop());
}
