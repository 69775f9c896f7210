// cragmoor's world objects reach the engine through the shared helpers.
#pragma once

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "World/WorldAccess.h"
