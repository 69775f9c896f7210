// Entity type tree of cragmoor's world.
#include "Entities/EntityEnumeration.h"

#include <algorithm>
#include <iterator>

EntityEnumeration::EntityEnumeration(MapController* mapController)
    : m_mapController(mapController) {
    std::copy(std::begin(ENTITY_PARENTS), std::end(ENTITY_PARENTS), m_inheritanceTable);
}

EntityEnumeration::~EntityEnumeration() = default;

bool EntityEnumeration::entityIsParent(entityEnum parent, entityEnum child) const {
    return entityTypeIsParent(parent, child);
}
