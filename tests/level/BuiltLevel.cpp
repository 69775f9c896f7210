// Building the level takes a moment; every test reads the same result.
#include "BuiltLevel.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "SilentLogger.h"
#include "level/LevelAssets.h"

BuiltLevel::BuiltLevel() {
    buildLevel(sink);
    runDirectory = (std::filesystem::temp_directory_path() / "builtlevel-XXXXXX").string();
    if (mkdtemp(runDirectory.data()) == nullptr)
        throw std::runtime_error("cannot create a scratch run directory");
    for (const auto& [name, bytes] : sink.runDirectory)
        std::ofstream(runDirectory + "/" + name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    std::filesystem::current_path(runDirectory);
    SilentLogger logger;
    data = readObjLevel("legitLevel.obj", logger);
}

BuiltLevel::~BuiltLevel() {
    std::error_code ignored;
    std::filesystem::remove_all(runDirectory, ignored);
}

const BuiltLevel& builtLevel() {
    static const BuiltLevel level;
    return level;
}
