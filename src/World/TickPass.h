// The tick pass over a world's active entities, the same in both worlds:
// every active entity ticks once, in activation order. An entity may leave
// the list during its own tick (or destroy itself); deactivation then moves
// the pass on, so the next entity is not skipped. Entities activated during
// the pass are appended and tick in it, their counter being the world's.
#pragma once

#include <algorithm>
#include <cstdint>
#include <list>

template <class Handle> struct TickPass {
    using Position = typename std::list<Handle>::iterator;

    // Takes the entity out of the active list; one that is not in it is
    // left alone.
    static void deactivate(std::list<Handle>& active, Position& position, bool& positionMoved,
                           const Handle& entity) {
        const auto found = std::find(active.begin(), active.end(), entity);
        if (found == active.end())
            return;
        if (found == position) {
            ++position;
            positionMoved = true;
        }
        active.erase(found);
    }

    static void run(std::list<Handle>& active, Position& position, bool& positionMoved,
                    std::uint64_t worldCounter) {
        position = active.begin();
        while (position != active.end()) {
            positionMoved = false;
            // Keeps the entity's slot named while it may destroy itself.
            const Handle entity = *position;
            if (!entity.isNull() && entity->getGameTickCounter() <= worldCounter) {
                entity->setGameTickCounter(worldCounter + 1);
                entity->gameTick();
            }
            if (!positionMoved)
                ++position;
        }
        position = active.end();
    }
};
