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

// The kind's own message alone on its line, so that it reads exactly as
// documented, and what the archive library said on the next.
[[noreturn]] void failBecause(const char* format, const char* path, const std::string& reason,
                              Logger& logger) {
    char message[LOG_MESSAGE_LEN];
    std::snprintf(message, sizeof message, format, path);
    logger.logFatalError("%s\n  %s", message, reason.c_str());
    throw std::runtime_error(message);
}

std::string libraryReason(PHYSFS_ErrorCode code) {
    const char* reason = PHYSFS_getErrorByCode(code);
    return reason != nullptr ? reason : "unknown error";
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
        // A damaged archive entry is not mistaken for a file never packed.
        const PHYSFS_ErrorCode unreadable = whyListedFileIsUnreadable(path);
        if (unreadable != PHYSFS_ERR_NOT_FOUND)
            failBecause(messages.notFound, path,
                        "the archive lists it, but its entry is unreadable: " +
                            libraryReason(unreadable),
                        logger);
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
    // One read of the whole file; an empty file reads nothing, which is a
    // failed read too.
    if (length == 0 ||
        PHYSFS_readBytes(file, buffer.data(), static_cast<PHYSFS_uint64>(length)) != length) {
        const std::string reason =
            length == 0 ? "the file is empty" : libraryReason(PHYSFS_getLastErrorCode());
        PHYSFS_close(file);
        failBecause(messages.failedToRead, path, reason, logger);
    }
    if (PHYSFS_close(file) == 0)
        logger.logFatalError(messages.failedToClose, path);
    return buffer;
}

#pragma GCC diagnostic pop
