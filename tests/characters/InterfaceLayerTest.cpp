// The interface layer drawn on a real context: the arrow cursor at the mouse
// while shown, nothing at all while hidden.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <physfs.h>
#include <utility>

#include "AppStuff/GUIController.h"
#include "Pixels.h"
#include "TestEngine.h"

namespace {

constexpr int WINDOW_HEIGHT = 600;

struct Mouse {
    int x, y;
};

// Pixels of the window around the point that are not black.
int litPixelsNear(const Mouse& at) {
    int lit = 0;
    for (int dy = -4; dy < 24; ++dy)
        for (int dx = -4; dx < 24; ++dx) {
            const Rgb pixel = pixelAt(at.x + dx, at.y + dy, WINDOW_HEIGHT);
            lit += pixel[0] + pixel[1] + pixel[2] > 30 ? 1 : 0;
        }
    return lit;
}

TEST(InterfaceLayer, DrawsTheArrowUnderTheMouseOnlyWhileShown) {
    TestEngine engine;
    PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
    {
        GUIController gui(engine.state);
        const auto frameWithMouseAt = [&](const Mouse& mouse) {
            engine.pushMotion(mouse.x, mouse.y);
            engine.events->pollEvents();
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT);
            gui.gameFrame();
        };
        const Mouse middle{400, 300}, corner{100, 100};
        EXPECT_FALSE(gui.getVisible()) << "starts hidden";
        glMatrixMode(GL_TEXTURE);
        frameWithMouseAt(middle);
        GLint matrixMode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
        EXPECT_EQ(matrixMode, GL_TEXTURE) << "a hidden layer must leave the GL state alone";
        glMatrixMode(GL_MODELVIEW);
        EXPECT_EQ(litPixelsNear(middle), 0);

        gui.setVisible(true);
        for (const auto& [mouse, elsewhere] : {std::pair{middle, corner}, {corner, middle}}) {
            frameWithMouseAt(mouse);
            EXPECT_GT(litPixelsNear(mouse), 20) << "mouse at " << mouse.x << ", " << mouse.y;
            EXPECT_EQ(litPixelsNear(elsewhere), 0) << "mouse at " << mouse.x << ", " << mouse.y;
        }
    }
    PHYSFS_unmount(ARCHIVE_PATH);
}

} // namespace
