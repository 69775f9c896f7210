// Typed handles to cragmoor's entities, through the shared helper.
#pragma once

#include "Entities/Entity.h"
#include "World/WorldAccess.h"
