// The way from a world object to the engine: map, map state, state machine,
// application. Entities need the tick fraction, the input and the resource
// manager, all of which hang off the application.
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

// A handle of type T to `entity`'s slot; T must be the entity's class or
// one of its bases.
template <class T> Pointer<T> handleOf(const Entity& entity) {
    Pointer<Entity> own;
    entity.getPointer(&own);
    Pointer<T> typed;
    PointerManager<Entity>::pointerGet(own, &typed);
    return typed;
}
