// Placeholder entity of cragmoor's world.
#include "Entities/E_NONE.h"

E_NONE::E_NONE(MapController* mapController)
    : Entity(mapController, Ellipsoid2(Vector2(0, 0), Vector2(1, 1)), EN_NONE) {
    setActive(false);
}
