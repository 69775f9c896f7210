// The level as the asset builder makes it, built once per test program,
// written to a scratch run directory and read back there with the game's own
// reader (material libraries are opened relative to the working directory).
#pragma once

#include <string>

#include "LineKinds.h"
#include "MemorySink.h"
#include "ObjLevelReader.h"

struct BuiltLevel {
    MemorySink sink;
    std::string runDirectory;
    LevelData data;
};

const BuiltLevel& builtLevel();
