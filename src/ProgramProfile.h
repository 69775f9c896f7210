// What makes one program of the tree different from the other, as data.
// The shared engine reads these values instead of testing which program it
// is part of; each program defines its profile once, in its own directory.
#pragma once

#include <GL/gl.h>

enum class FrameRoutine {
    // Clear, let the state machine draw directly, swap.
    ClearDrawSwap,
    // The state machine queues drawables; the video system sorts them by
    // depth, clears, draws and swaps.
    DepthSortedDrawList,
};

struct ProgramProfile {
    const char* caption;
    int defaultScreenWidth;
    int defaultScreenHeight;
    GLclampf clearColour[4];
    FrameRoutine frameRoutine;
    const char* mapName;
    // How bitmap font pages wrap their texture coordinates.
    GLint fontPageWrap;
    // The music file behind the music catalogue entry.
    const char* musicFile;
};

const ProgramProfile& programProfile();
