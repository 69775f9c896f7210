// Map state of morr2d, until its world exists: it keeps the map state's
// contract (initialise once, pause flag, messages) and runs an empty world.
#include "AppStuff/MapStateController.h"

#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Logger.h"

namespace {
Logger* loggerOf(ApplicationStateController* appStateController) {
    return appStateController->getApplicationController()->getLogger();
}
} // namespace

MapStateController::MapStateController(ApplicationStateController* appStateController)
    : m_initialized(false), m_appStateController(appStateController), m_paused(false) {}

MapStateController::~MapStateController() = default;

void MapStateController::initialize(const char* /*path*/) {
    if (m_initialized) {
        loggerOf(m_appStateController)->logError("MapStateController is already initialized.");
        return;
    }
    m_initialized = true;
}

void MapStateController::gameTick() {
    if (!m_initialized) {
        loggerOf(m_appStateController)
            ->logError("gameTick() can't execute until MapStateController is initialized.");
        return;
    }
}

void MapStateController::gameFrame() {
    if (!m_initialized) {
        loggerOf(m_appStateController)
            ->logError("gameFrame() can't execute until MapStateController is initialized.");
        return;
    }
}
