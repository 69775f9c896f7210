// Placeholder entity of morr2d's world: an empty box at the origin.
#include "Entities/E_NONE.h"

E_NONE::E_NONE(MapController* mapController) : Entity(mapController, 0, 0, 0, 0, 0, 0, EN_NONE, 0) {
    setActive(false);
}
