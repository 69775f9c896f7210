// A 16 by 16 wall tile of morr2d's level: a full square or one of four
// right-angled triangles that make 45-degree floors and ceilings. The map's
// rectangle query asks it whether a box touches its solid part; that is all
// the collision characters and debris see.
#pragma once

#include "Entities/Entity.h"
#include "Resources/Texture.h"

// Only the first five have a shape; the others are declared for levels to
// come and throw "Invalid wall type" when a collision test reaches them.
enum WallType {
    WT_WALL = 0,
    // Floor rising to the right: the lower-right triangle.
    WT_WALL_DUT = 1,
    // Floor falling to the right: the lower-left triangle.
    WT_WALL_UDT = 2,
    // Ceilings: the upper-left and the upper-right triangle.
    WT_WALL_DUB = 3,
    WT_WALL_UDB = 4,
    WT_WALL_DUT_H = 5,
    WT_WALL_UDT_H = 6,
    WT_WALL_DUB_H = 7,
    WT_WALL_UDB_H = 8,
    WT_WALL_DUT_H2 = 9,
    WT_WALL_UDT_H2 = 10,
    WT_WALL_DUB_H2 = 11,
    WT_WALL_UDB_H2 = 12,
    WT_WALL_DUT_V = 13,
    WT_WALL_UDT_V = 14,
    WT_WALL_DUB_V = 15,
    WT_WALL_UDB_V = 16,
    WT_WALL_DUT_V2 = 17,
    WT_WALL_UDT_V2 = 18,
    WT_WALL_DUB_V2 = 19,
    WT_WALL_UDB_V2 = 20,
};

class E_Wall : public Entity {
  public:
    static constexpr double SIZE = 16.0;

    E_Wall(MapController* mapController, double x, double y, WallType wallType);

    void draw() override;
    // A wall is ticked once and then leaves the active list for good.
    void gameTick() override { setActive(false); }

    WallType getWallType() const { return m_wallType; }
    // Whether the point lies in the solid part.
    bool intersect(double x, double y) const;
    // Whether the rectangle shares interior with the wall's box and, for a
    // triangle, has a corner in its solid part.
    bool intersect(double left, double top, double right, double bottom) const;
    bool intersectHelper(double x, double y) const;
    bool intersectHelper(double left, double top, double right, double bottom) const;

  private:
    WallType m_wallType;
    Pointer<Texture> m_image;
};
