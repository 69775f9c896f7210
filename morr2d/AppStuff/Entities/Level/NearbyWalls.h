// The walls around one movement, gathered from the map once per tick. For
// any rectangle inside the gathered area it answers what the map's
// isEntityAt(..., EN_WALL) would, without visiting the chunks again: a
// falling object tests up to 160 sub-steps a tick.
#pragma once

#include <vector>

#include "AppStuff/MapController.h"
#include "Entities/Level/E_Wall.h"

class NearbyWalls {
  public:
    void gather(const MapController& map, double left, double top, double right, double bottom) {
        m_walls.clear();
        map.collectWalls(left, top, right, bottom, &m_walls);
    }
    bool wallAt(double left, double top, double right, double bottom) const {
        for (const E_Wall* wall : m_walls)
            if (wall->intersect(left, top, right, bottom))
                return true;
        return false;
    }

  private:
    std::vector<const E_Wall*> m_walls;
};
