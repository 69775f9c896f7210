// PhysicsFS adapter for whole-file reads.
#include "Resources/VirtualFile.h"

#include <physfs.h>

#include "Logger.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"

std::vector<char> readWholeVirtualFile(const char* path, const VirtualFileMessages& messages,
                                       Logger& logger) {
    if (!PHYSFS_exists(path))
        logger.logFatalError(messages.notFound, path);
    PHYSFS_File* file = PHYSFS_openRead(path);
    if (file == nullptr)
        logger.logFatalError(messages.failedToOpen, path);
    const PHYSFS_sint64 length = PHYSFS_fileLength(file);
    if (length < 0) {
        PHYSFS_close(file);
        logger.logFatalError(messages.failedToGetLength, path);
    }
    std::vector<char> buffer(static_cast<std::size_t>(length));
    // An empty file reads nothing and is left for the decoder to reject.
    if (length > 0 &&
        PHYSFS_readBytes(file, buffer.data(), static_cast<PHYSFS_uint64>(length)) != length) {
        PHYSFS_close(file);
        logger.logFatalError(messages.failedToRead, path);
    }
    if (PHYSFS_close(file) == 0)
        logger.logFatalError(messages.failedToClose, path);
    return buffer;
}

#pragma GCC diagnostic pop
