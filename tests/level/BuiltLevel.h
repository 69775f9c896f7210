// The level as the asset builder makes it, built once per test program,
// written to a scratch run directory and read back there with the game's own
// reader (material libraries are opened relative to the working directory).
#pragma once

#include <string>

#include "LineKinds.h"
#include "MemorySink.h"
#include "ObjLevelReader.h"

struct BuiltLevel {
    // Builds, writes and reads the level; the scratch run directory stays the
    // working directory of the test program until the level is destroyed.
    BuiltLevel();
    ~BuiltLevel();
    BuiltLevel(const BuiltLevel&) = delete;
    BuiltLevel& operator=(const BuiltLevel&) = delete;

    MemorySink sink;
    std::string runDirectory;
    LevelData data;
};

const BuiltLevel& builtLevel();
