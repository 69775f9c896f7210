// The way from a world object to the engine, and typed handles to entities,
// for either world. A map controller reaches the application through its
// map state and the state machine. An entity registers itself from the
// Entity constructor, so its own handle is a Pointer<Entity>; whoever needs
// it as what it really is (a target, the player) asks for that type here.
#pragma once

#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "PointerManager.h"

template <class Map> ApplicationController* applicationOf(const Map* map) {
    return map->getMapStateController()
        ->getApplicationStateController()
        ->getApplicationController();
}

// The entity base class of a world, read off its getPointer(), which the
// base class declares.
template <class Getter> struct EntityBaseOf;
template <class Base> struct EntityBaseOf<void (Base::*)(Pointer<Base>*) const> {
    using type = Base;
};

// A handle of type T to `entity`'s slot; T must be the entity's class or
// one of its bases.
template <class T, class AnyEntity> Pointer<T> handleOf(const AnyEntity& entity) {
    using Base = typename EntityBaseOf<decltype(&AnyEntity::getPointer)>::type;
    Pointer<Base> own;
    entity.getPointer(&own);
    Pointer<T> typed;
    PointerManager<Base>::pointerGet(own, &typed);
    return typed;
}
