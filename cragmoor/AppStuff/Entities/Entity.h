// The base of everything that lives in cragmoor's world: an axis-aligned
// ellipse that keeps the map's chunk index up to date as it moves, takes
// part in the tick pass while active, and finds where a movement would
// first touch the level's collision lines.
#pragma once

#include <cstdint>
#include <list>
#include <vector>

#include "Entities/Contacts.h"
#include "EntityTypes.h"
#include "PointerManager.h"
#include "Util/Shapes.h"
#include "Util/Vector2.h"

class MapController;

class Entity {
  public:
    using CollisionPoint = ::CollisionPoint;
    using CollisionPointCache = ::CollisionPointCache;

    Entity(MapController* mapController, const Ellipsoid2& position, entityEnum type);
    virtual ~Entity();
    Entity(const Entity&) = delete;
    Entity& operator=(const Entity&) = delete;

    // Deactivates the entity and has the map delete it: nothing may touch
    // the object after this call.
    virtual void destroy();
    virtual void gameTick() = 0;
    virtual void draw() = 0;

    const Ellipsoid2& getPosition() const { return m_position; }
    const Ellipsoid2& getLastPosition() const { return m_lastPosition; }
    const Vector2& getCenter() const { return m_center; }
    void setCenter(const Vector2& center) { m_center = center; }
    entityEnum getType() const { return m_type; }
    bool getActive() const { return m_active; }
    std::uint64_t getGameTickCounter() const { return m_gameTickCounter; }
    void setGameTickCounter(std::uint64_t counter) { m_gameTickCounter = counter; }
    std::uint64_t getDrawCounter() const { return m_drawCounter; }
    void setDrawCounter(std::uint64_t counter) { m_drawCounter = counter; }
    void getPointer(Pointer<Entity>* out) const;
    MapController* getMapController() const { return m_mapController; }

    // Moves the ellipse's centre there with radius (1, 1), as the game
    // always has, re-filing the entity in the map's chunks when needed.
    void setPosition(const Vector2& center);
    void setActive(bool active);

    // Distance in world units the entity can move along `velocity` before
    // touching a line; records the contact found. Does not move the entity.
    double findContacts(const Vector2& velocity);
    // The same search, answering with the contact that limits the movement.
    ContactSweep sweepContacts(const Vector2& velocity);
    const std::list<CollisionPoint>& getCollisionPoints() const { return m_collisionPoints; }
    const CollisionPointCache& getCollisionPointCache() const { return m_collisionPointCache; }

    unsigned calcAboxU();
    unsigned calcAboxD();
    unsigned calcAboxL();
    unsigned calcAboxR();
    bool diffAbox() const;

  protected:
    std::list<CollisionPoint> m_collisionPoints;
    CollisionPointCache m_collisionPointCache;
    MapController* m_mapController;
    Ellipsoid2 m_position;
    Ellipsoid2 m_lastPosition;
    Vector2 m_center;
    unsigned m_aboxU, m_aboxD, m_aboxL, m_aboxR;
    unsigned m_aboxU_last, m_aboxD_last, m_aboxL_last, m_aboxR_last;
    bool m_active;
    entityEnum m_type;
    Pointer<Entity> m_pointer;
    std::uint64_t m_gameTickCounter;
    std::uint64_t m_drawCounter;

  private:
    void calcAllAboxes();
    // Lines near the sweep, reused between searches.
    std::vector<Line2> m_nearbyLines;
};
