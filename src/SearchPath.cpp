// Earlier entries of the search path win when a file exists in several.
// The archive is looked for relative to the working directory, so a player
// who starts the program from elsewhere is told where it looked.
#include "SearchPath.h"

#include <filesystem>
#include <physfs.h>
#include <system_error>

namespace {

const char* const ARCHIVE = "Resources/Resources.pak";

void mountOrThrow(const char* path, const char* failure, const std::string& advice = "") {
    if (PHYSFS_mount(path, nullptr, 1) == 0)
        throw SearchPathError(failure, advice);
}

std::string whereTheArchiveWasLookedFor() {
    std::error_code error;
    const std::filesystem::path here = std::filesystem::current_path(error);
    return "Looked for " + std::string(ARCHIVE) + " in " +
           (error ? std::string("the working directory") : here.string()) +
           "; the game runs from its run directory (build/run, or through ./run.sh)";
}

} // namespace

void startVirtualFileSystem(const char* programPath) {
    if (PHYSFS_init(programPath) == 0)
        throw SearchPathError("Failed to initialize physfs", "");
    mountOrThrow(ARCHIVE, "Failed to add Resources/Resources.pak to Physfs search path",
                 whereTheArchiveWasLookedFor());
    mountOrThrow("Resources", "Failed to add the folder Resources to Physfs search path");
    mountOrThrow(".", "Failed to add the current directory to Physfs search path");
}
