// cragmoor's map state keeps the view on the centre of the camera target's
// ellipse and places the cursor by the view's top-left corner.
#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Entities/Characters/E_CursorGame.h"
#include "EventSystem.h"

void MapStateController::followCameraTarget() {
    if (m_cameraTarget.isNull() || m_cameraTarget->getType() == EN_NONE)
        return;
    m_mapController->viewSetPosition(m_cameraTarget->getPosition().m_center +
                                     m_cameraTarget->getCenter());
}

void MapStateController::placeGameCursor() {
    if (m_gameCursor.isNull())
        return;
    const EventSystem* events = m_appStateController->getApplicationController()->getEventSystem();
    const Vector2 topLeft = m_mapController->viewGetTopLeft();
    m_gameCursor->setPosition(
        Vector2(events->getMouseX() + topLeft.m_x, events->getMouseY() + topLeft.m_y));
}
