// The level as the asset builder makes it, built once per test program and
// read back with the test-side reader.
#pragma once

#include <vector>

#include "CapturingSink.h"
#include "LevelCut.h"
#include "LevelFileReader.h"

struct BuiltLevel {
    CapturingSink sink;
    ReadLevel obj;
    ReadMaterials mtl;
    std::vector<CutLine> lines;
};

const BuiltLevel& builtLevel();
