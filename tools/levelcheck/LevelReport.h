// The level checker's report: a level read with the game's own reader, its
// counts and extent, everything the game will pass over or treat specially,
// and the verdict. Shared by levelcheck and by levelconvert, which checks
// what it writes.
#pragma once

#include <optional>

#include "LevelSummary.h"
#include "ObjLevelReader.h"
#include "PlayerLanding.h"

// Exit statuses of both level tools.
constexpr int kClean = 0;
constexpr int kError = 1;
constexpr int kWarningsOnly = 2;

struct CheckedLevel {
    int status = kError;
    // Empty when the game would not load the level.
    std::optional<LevelData> level;
    PlayerLanding landing;
};

// Reads the level at path (material libraries relative to the working
// directory, as in the game), prints the report to standard output and any
// error to standard error.
CheckedLevel checkLevel(const char* path);
