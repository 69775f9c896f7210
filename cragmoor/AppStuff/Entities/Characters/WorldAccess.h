// The way from a world object to the engine: map, map state, state machine,
// application. Characters need the tick fraction, the input and the
// resource manager, all of which hang off the application.
#pragma once

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"

inline ApplicationController* applicationOf(const MapController* map) {
    return map->getMapStateController()
        ->getApplicationStateController()
        ->getApplicationController();
}
