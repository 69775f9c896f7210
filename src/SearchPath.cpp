// Earlier entries of the search path win when a file exists in several.
#include "SearchPath.h"

#include <physfs.h>
#include <stdexcept>

namespace {
void mountOrThrow(const char* path, const char* failure) {
    if (PHYSFS_mount(path, nullptr, 1) == 0)
        throw std::runtime_error(failure);
}
} // namespace

void startVirtualFileSystem(const char* programPath) {
    if (PHYSFS_init(programPath) == 0)
        throw std::runtime_error("Failed to initialize physfs");
    mountOrThrow("Resources/Resources.pak",
                 "Failed to add Resources/Resources.pak to Physfs search path");
    mountOrThrow("Resources", "Failed to add the folder Resources to Physfs search path");
    mountOrThrow(".", "Failed to add the current directory to Physfs search path");
}
