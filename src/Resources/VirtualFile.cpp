// PhysicsFS adapter for whole-file reads.
#include "Resources/VirtualFile.h"

#include <cstdio>
#include <physfs.h>
#include <stdexcept>
#include <string>

#include "Logger.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"

namespace {

// The read failure in the kind's words, followed by the archive library's
// reason, so a damaged archive is not mistaken for a missing file.
[[noreturn]] void failToRead(const char* path, const VirtualFileMessages& messages,
                             PHYSFS_ErrorCode code, Logger& logger) {
    char message[LOG_MESSAGE_LEN];
    std::snprintf(message, sizeof message, messages.failedToRead, path);
    const char* reason = PHYSFS_getErrorByCode(code);
    logger.logFatalError("%s: %s", message, reason != nullptr ? reason : "unknown error");
    throw std::runtime_error(message);
}

struct ListingSearch {
    std::string name;
    bool found = false;
};

PHYSFS_EnumerateCallbackResult noteListedName(void* data, const char* /*directory*/,
                                              const char* name) {
    auto* search = static_cast<ListingSearch*>(data);
    if (search->name == name) {
        search->found = true;
        return PHYSFS_ENUM_STOP;
    }
    return PHYSFS_ENUM_OK;
}

// The library answers "not found" for an archive entry whose directory
// record is whole but whose own header is damaged, and a later folder of the
// search path overwrites the archive's reason. The directory listing still
// names such a file; listing it normally (each entry checked for being a
// link) fails with the archive's reason. Returns that reason when `path` is
// listed, PHYSFS_ERR_NOT_FOUND when it is not.
PHYSFS_ErrorCode whyListedFileIsUnreadable(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string directory = slash == std::string::npos ? "" : path.substr(0, slash);
    ListingSearch search{slash == std::string::npos ? path : path.substr(slash + 1)};

    const bool linksPermitted = PHYSFS_symbolicLinksPermitted() != 0;
    PHYSFS_ErrorCode reason = PHYSFS_ERR_OTHER_ERROR;
    ListingSearch ignored;
    if (!linksPermitted && PHYSFS_enumerate(directory.c_str(), noteListedName, &ignored) == 0)
        reason = PHYSFS_getLastErrorCode();
    // With links permitted the listing reads only the directory records.
    PHYSFS_permitSymbolicLinks(1);
    PHYSFS_enumerate(directory.c_str(), noteListedName, &search);
    PHYSFS_permitSymbolicLinks(linksPermitted ? 1 : 0);
    return search.found ? reason : PHYSFS_ERR_NOT_FOUND;
}

} // namespace

std::vector<char> readWholeVirtualFile(const char* path, const VirtualFileMessages& messages,
                                       Logger& logger) {
    if (!PHYSFS_exists(path)) {
        const PHYSFS_ErrorCode unreadable = whyListedFileIsUnreadable(path);
        if (unreadable != PHYSFS_ERR_NOT_FOUND)
            failToRead(path, messages, unreadable, logger);
        logger.logFatalError(messages.notFound, path);
    }
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
        const PHYSFS_ErrorCode code = PHYSFS_getLastErrorCode();
        PHYSFS_close(file);
        failToRead(path, messages, code, logger);
    }
    if (PHYSFS_close(file) == 0)
        logger.logFatalError(messages.failedToClose, path);
    return buffer;
}

#pragma GCC diagnostic pop
