// The level as the asset builder makes it, built once per test program and
// read back with the test-side reader.
#pragma once

#include <vector>

#include "LevelCut.h"
#include "LevelFileReader.h"
#include "MemorySink.h"

struct BuiltLevel {
    MemorySink sink;
    ReadLevel obj;
    ReadMaterials mtl;
    std::vector<CutLine> lines;
};

const BuiltLevel& builtLevel();
