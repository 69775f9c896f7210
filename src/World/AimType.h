// How a character chooses where to face and aim; the same in both worlds.
#pragma once

enum aimType {
    // Face the way of the last horizontal move command.
    AIM_MOVE_DIR = 0,
    // Face the target and turn body, arm and head towards it.
    AIM_TARGET = 1,
    // Face towards the target but keep body, arm and head level.
    AIM_TARGET_DIR = 2,
    // Leave facing and angles as they are.
    AIM_NOSET = 3,
};
