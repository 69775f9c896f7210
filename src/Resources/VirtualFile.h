// Whole-file reads from the virtual file system, the one way textures and
// sounds get their bytes. Each kind reports failures in its own words, so
// the caller passes the messages; each is fatal and names the file.
#pragma once

#include <vector>

class Logger;

struct VirtualFileMessages {
    const char* notFound;
    const char* failedToOpen;
    const char* failedToGetLength;
    const char* failedToRead;
    const char* failedToClose;
};

// Reads `path` with one read into one buffer. Every failure is a fatal
// error of `logger` (which throws), with the path in place of its %s. A
// failed read (an empty file is one) and an archive entry that is listed but
// unreadable (reported as not found) give the reason on a second line.
std::vector<char> readWholeVirtualFile(const char* path, const VirtualFileMessages& messages,
                                       Logger& logger);
