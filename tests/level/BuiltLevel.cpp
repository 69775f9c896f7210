// Building the level takes a moment; every test reads the same result. The
// scratch run directory stays the working directory of the test program.
#include "BuiltLevel.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

#include "SilentLogger.h"
#include "level/LevelAssets.h"

const BuiltLevel& builtLevel() {
    static const BuiltLevel level = [] {
        BuiltLevel built;
        buildLevel(built.sink);
        std::string pattern =
            (std::filesystem::temp_directory_path() / "builtlevel-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a scratch run directory");
        built.runDirectory = pattern;
        for (const auto& [name, bytes] : built.sink.runDirectory)
            std::ofstream(pattern + "/" + name, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
        std::filesystem::current_path(pattern);
        SilentLogger logger;
        built.data = readObjLevel("legitLevel.obj", logger);
        std::atexit([] { std::filesystem::remove_all(builtLevel().runDirectory); });
        return built;
    }();
    return level;
}
