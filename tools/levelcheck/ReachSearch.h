// Where a player can get: a breadth-first search over the player's movement
// states from the start, each tick trying every key a player can hold (left,
// right or neither; jump held or not, so pressed, kept or let go), with the
// game's own movement. States closer than a unit in position and a quarter
// unit per tick in speed count as one, so the search ends; every state keeps
// the tick before it, so the keys to any reached place can be told.
#pragma once

#include <cstdint>
#include <vector>

#include "Util/Shapes.h"

// The keys held during one tick.
enum ReachKey : std::uint8_t {
    kKeyLeft = 1,
    kKeyRight = 2,
    kKeyJump = 4,
};

struct ReachNode {
    Vector2 centre;
    // The node it was first reached from; the start is its own parent.
    std::uint32_t parent = 0;
    // The keys held during the tick that led here.
    std::uint8_t keys = 0;
    bool standing = false;
    // Left the world: nothing more to explore from here.
    bool lost = false;
};

struct ReachTrap {
    // Indices into ReachMap::nodes: what the trap holds, in search order.
    std::vector<std::uint32_t> nodes;
    // The first place (in search order) from which a tick leads into the
    // trap while the way back still existed, and how many such ticks there are.
    std::uint32_t entry = 0;
    std::size_t entries = 0;
};

struct ReachMap {
    // In search order; node 0 is the start.
    std::vector<ReachNode> nodes;
    // Whether the start can be reached again from each node.
    std::vector<bool> leadsHome;
    std::vector<ReachTrap> traps;
    // Index into traps for each node, -1 outside any.
    std::vector<int> trapOf;
    // The place the player comes to rest when no key is held from the start.
    std::uint32_t landing = 0;
    // Wall-clock time, and the processor time it took (less on a busy machine).
    double seconds = 0;
    double processorSeconds = 0;
};

ReachMap exploreReach(const std::vector<Line2>& lines);

// The keys, tick by tick, that lead from the start to `node`.
std::vector<std::uint8_t> keysTo(const ReachMap& reach, std::uint32_t node);
