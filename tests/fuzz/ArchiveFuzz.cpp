// Feeds arbitrary bytes to the archive path: the bytes are written to a file
// and mounted on the search path as the game mounts Resources.pak, and every
// file listed in it is read through the one whole-file read that textures
// and sounds use. Every input must end mounted and read, or refused with a
// message, never in a crash or a hang. (Mounting from memory would be
// quicker, but the file system library loses a little memory on every
// archive it refuses from memory, which the game never does.)
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <physfs.h>
#include <stdexcept>
#include <string>
#include <unistd.h>

#include "Resources/VirtualFile.h"
#include "SilentLogger.h"

namespace {

// The most entries one input may have read, so that an archive listing
// thousands of names stays quick.
constexpr int MOST_FILES = 64;

// The archive file of this fuzzer process.
std::string archivePath() {
    static const std::string path = (std::filesystem::temp_directory_path() /
                                     ("fuzz_archive_" + std::to_string(getpid()) + ".pak"))
                                        .string();
    return path;
}

bool writeArchive(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(archivePath().c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool whole = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && whole;
}

const VirtualFileMessages MESSAGES = {"%s not found", "%s failed to open", "%s has no length",
                                      "%s failed to read", "%s failed to close"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The path is made before the clean-up is registered, so that it still
    // exists when the clean-up runs at exit.
    static const bool started = !archivePath().empty() && PHYSFS_init("fuzz_archive") != 0 &&
                                std::atexit([] { std::remove(archivePath().c_str()); }) == 0;
    if (!started || !writeArchive(data, size) ||
        PHYSFS_mount(archivePath().c_str(), nullptr, 1) == 0)
        return 0;
    SilentLogger logger;
    char** files = PHYSFS_enumerateFiles("");
    int read = 0;
    for (char** file = files; file != nullptr && *file != nullptr && read < MOST_FILES; ++file) {
        PHYSFS_Stat stat;
        if (PHYSFS_stat(*file, &stat) == 0 || stat.filetype != PHYSFS_FILETYPE_REGULAR)
            continue;
        ++read;
        try {
            readWholeVirtualFile(*file, MESSAGES, logger);
        } catch (const std::runtime_error&) {
            // A damaged entry is refused with its message: an expected outcome.
        }
    }
    PHYSFS_freeList(files);
    PHYSFS_unmount(archivePath().c_str());
    return 0;
}
