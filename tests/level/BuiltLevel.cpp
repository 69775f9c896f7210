// Building the level takes a moment; every test reads the same result.
#include "BuiltLevel.h"

#include "level/LevelAssets.h"

const BuiltLevel& builtLevel() {
    static const BuiltLevel level = [] {
        BuiltLevel built;
        buildLevel(built.sink);
        built.obj = readObj(built.sink.runFileText("legitLevel.obj"));
        built.mtl = readMtl(built.sink.runFileText("legitLevel.mtl"));
        built.lines = cutLevel(built.obj);
        return built;
    }();
    return level;
}
