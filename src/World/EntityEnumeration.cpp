// Entity type tree of both worlds. The map controller is only named, never
// used, so one compiled copy serves both programs.
#include "World/EntityEnumeration.h"

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
