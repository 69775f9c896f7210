// morr2d's world objects reach the engine and name each other through the
// shared helpers.
#pragma once

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "World/WorldAccess.h"
