// Typed handles to entities. An entity registers itself from the Entity
// constructor, so its own handle is a Pointer<Entity>; whoever needs it as
// what it really is (a target, the player) asks for that type here.
#pragma once

#include "Entities/Entity.h"
#include "PointerManager.h"

// A handle of type T to `entity`'s slot; T must be the entity's class or one
// of its bases.
template <class T> Pointer<T> handleOf(const Entity& entity) {
    Pointer<Entity> own;
    entity.getPointer(&own);
    Pointer<T> typed;
    PointerManager<Entity>::pointerGet(own, &typed);
    return typed;
}
