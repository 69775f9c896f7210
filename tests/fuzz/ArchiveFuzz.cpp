// Feeds arbitrary bytes to the archive path: the bytes are mounted on the
// search path as a zip archive, as the game mounts Resources.pak, and every
// file listed in it is read through the one whole-file read that textures
// and sounds use. Every input must end mounted and read, or refused with a
// message, never in a crash or a hang.
#include <cstdint>
#include <physfs.h>
#include <stdexcept>

#include "Logger.h"
#include "Resources/VirtualFile.h"

namespace {

// The most entries one input may have read, so that an archive listing
// thousands of names stays quick.
constexpr int MOST_FILES = 64;
const char* const MOUNT_NAME = "fuzz.pak";

class SilentLogger : public Logger {
  public:
    SilentLogger() : Logger(nullptr) {}

  protected:
    void outputError(const char*) override {}
    void outputFatalError(const char* message) override { throw std::runtime_error(message); }
    void outputInfo(const char*) override {}
    void outputDebug(const char*) override {}
};

const VirtualFileMessages MESSAGES = {"%s not found", "%s failed to open", "%s has no length",
                                      "%s failed to read", "%s failed to close"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = PHYSFS_init("fuzz_archive") != 0;
    if (!started || PHYSFS_mountMemory(data, size, nullptr, MOUNT_NAME, nullptr, 1) == 0)
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
    PHYSFS_unmount(MOUNT_NAME);
    return 0;
}
