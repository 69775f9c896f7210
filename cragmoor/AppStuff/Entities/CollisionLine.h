// One static, one-sided segment of the level's solid outline. Entities
// collide with its front side only: the side its normal points to, which a
// segment running right to left on a floor turns upwards, out of the solid.
#pragma once

#include <cstdint>

#include "PointerManager.h"
#include "Util/Shapes.h"
#include "Util/Vector2.h"

class MapController;

class CollisionLine {
  public:
    // Registers itself with the map, which owns it from then on.
    CollisionLine(MapController* map, const Line2& line);
    virtual ~CollisionLine();
    CollisionLine(const CollisionLine&) = delete;
    CollisionLine& operator=(const CollisionLine&) = delete;

    const Line2& getLine() const { return m_line; }
    const Vector2& getNormal() const { return m_precomputedNormal; }
    std::uint64_t getRetreivalCounter() const { return m_retreivalCounter; }
    void setRetreivalCounter(std::uint64_t counter) { m_retreivalCounter = counter; }

    // A diagnostic drawing: the segment, its normal and its end points.
    void draw() const;

  private:
    MapController* m_mapController;
    std::uint64_t m_retreivalCounter;
    Line2 m_line;
    Vector2 m_precomputedNormal;
    Pointer<CollisionLine> m_pointer;
};
