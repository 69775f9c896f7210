// The entity type tree as each world's map controller holds it. Both worlds
// ask it the same question, "is this a kind of that?", so it exists once.
#pragma once

#include "EntityTypes.h"

class MapController;

class EntityEnumeration {
  public:
    explicit EntityEnumeration(MapController* mapController);
    virtual ~EntityEnumeration();

    bool entityIsParent(entityEnum parent, entityEnum child) const;
    entityEnum getParent(entityEnum type) const { return m_inheritanceTable[type]; }
    MapController* getMapController() const { return m_mapController; }

  private:
    MapController* m_mapController;
    entityEnum m_inheritanceTable[ENTITY_TYPE_COUNT];
};
