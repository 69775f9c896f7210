// What the shared engine needs to know about morr2d.
#include "ProgramProfile.h"

const ProgramProfile& programProfile() {
    static const ProgramProfile profile = {
        "Morr 2D",
        1280,
        960,
        {0.0f, 0.0f, 1.0f, 0.0f},
        FrameRoutine::DepthSortedDrawList,
        // The level is built in code; the name only identifies it.
        "morr2dTestLevel",
        GL_CLAMP,
        "muIntro.ogg",
    };
    return profile;
}
