// The player's movement run without a window: the game's own ground movement
// (E_CharacterGround) with the player's ellipse, start and walk speed, in a
// map that holds only the level's collision lines. The explorer saves and
// restores its whole movement state to try every key from every place.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "ApplicationController.h"
#include "ApplicationStateController.h"
#include "Entities/Characters/E_CharacterGround.h"
#include "ReachSearch.h"

// Everything the ground movement carries from one tick to the next.
struct WalkerState {
    Vector2 centre;
    Vector2 velocity;
    E_CharacterGround::ControlState control = E_CharacterGround::CTRL_PLATFORM;
    std::vector<CollisionPoint> contacts;
    // Where each of the cache's five pointers points into `contacts`, or -1.
    std::array<std::int8_t, 5> cached{-1, -1, -1, -1, -1};
};

class ReachWalker : public E_CharacterGround {
  public:
    explicit ReachWalker(MapController* map);
    void draw() override {}

    WalkerState save() const;
    void restore(const WalkerState& state);
    // One tick of the movement with `keys` held, `before` held the tick before
    // (a jump is pressed or let go on the change).
    void step(std::uint8_t keys, std::uint8_t before);
    // At rest on walkable floor: a place a player can stand.
    bool standing() const;

  private:
    std::array<const CollisionPoint**, 5> cachePointers();
    std::array<const CollisionPoint* const*, 5> cachePointers() const;
};

// The engine objects a map needs, never initialised (no window, sound or
// resources), a map with the level's lines at the tick fraction 1.0, and the
// walker in it (the map owns its entities).
class OutlineWorld {
  public:
    explicit OutlineWorld(const std::vector<Line2>& lines);
    ReachWalker& walker() { return *m_walker; }

  private:
    ApplicationController m_application;
    ApplicationStateController m_states;
    MapStateController m_mapState;
    MapController m_map;
    ReachWalker* m_walker;
};
