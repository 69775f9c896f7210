// What the shared engine needs to know about cragmoor.
#include "ProgramProfile.h"

const ProgramProfile& programProfile() {
    static const ProgramProfile profile = {
        "Morr 5: Hell On Kelvale, Engine Demo",
        800,
        600,
        {0.05f, 0.0f, 0.0f, 0.0f},
        FrameRoutine::ClearDrawSwap,
        "legitLevel.obj",
        GL_REPEAT,
        "track003.ogg",
    };
    return profile;
}
