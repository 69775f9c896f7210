// The run directory's archive on the virtual file system's search path for
// the life of a test, behind anything the test mounts itself.
#pragma once

#include <physfs.h>

struct GameArchive {
    GameArchive() {
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
    }
    ~GameArchive() { PHYSFS_unmount(ARCHIVE_PATH); }
    GameArchive(const GameArchive&) = delete;
    GameArchive& operator=(const GameArchive&) = delete;
};
