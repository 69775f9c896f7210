// The pointer in a window of another shape than the view's. Both programs
// open 4:3 windows, where the width's and the height's ratios to the view
// agree, so this program of its own defines a profile with a 2:1 window:
// the linker then takes this profile instead of the game library's.
#include <gtest/gtest.h>

#include "ProgramProfile.h"
#include "TestEngine.h"

const ProgramProfile& programProfile() {
    static const ProgramProfile profile = {
        "Wide", 1280, 480, {0, 0, 0, 0}, FrameRoutine::ClearDrawSwap, "", GL_REPEAT, "",
    };
    return profile;
}

TEST(WideWindow, PointerIsScaledByEachSidesOwnRatio) {
    TestEngine engine;
    engine.pushMotion(1000, 300);
    engine.events->pollEvents();
    EXPECT_EQ(engine.events->getMouseX(), 500);
    EXPECT_EQ(engine.events->getMouseY(), 300);
}
