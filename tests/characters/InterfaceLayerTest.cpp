// The interface layer drawn on a real context: the arrow cursor at the mouse
// while shown, nothing at all while hidden.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <physfs.h>

#include "AppStuff/GUIController.h"
#include "Pixels.h"
#include "TestEngine.h"

namespace {

constexpr int WINDOW_HEIGHT = 600;

class InterfaceLayer : public testing::Test {
  protected:
    InterfaceLayer() {
        if (!PHYSFS_isInit())
            PHYSFS_init("tests");
        PHYSFS_mount(ARCHIVE_PATH, nullptr, 1);
        gui = std::make_unique<GUIController>(engine.state);
    }
    ~InterfaceLayer() override {
        gui.reset();
        PHYSFS_unmount(ARCHIVE_PATH);
    }
    void clearToBlack() {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // Pixels of the window around (x, y) that are not black.
    int litPixelsNear(int x, int y) {
        int lit = 0;
        for (int dy = -4; dy < 24; ++dy)
            for (int dx = -4; dx < 24; ++dx) {
                const Rgb pixel = pixelAt(x + dx, y + dy, WINDOW_HEIGHT);
                lit += pixel[0] + pixel[1] + pixel[2] > 30 ? 1 : 0;
            }
        return lit;
    }

    TestEngine engine;
    std::unique_ptr<GUIController> gui;
};

TEST_F(InterfaceLayer, StartsHiddenAndDrawsNothing) {
    EXPECT_FALSE(gui->getVisible());
    engine.pushMotion(400, 300);
    engine.events->pollEvents();
    clearToBlack();
    GLint matrixMode = 0;
    glMatrixMode(GL_TEXTURE);
    gui->gameFrame();
    glGetIntegerv(GL_MATRIX_MODE, &matrixMode);
    EXPECT_EQ(matrixMode, GL_TEXTURE) << "a hidden layer must leave the GL state alone";
    glMatrixMode(GL_MODELVIEW);
    EXPECT_EQ(litPixelsNear(400, 300), 0);
}

TEST_F(InterfaceLayer, ShownItDrawsTheArrowUnderTheMouse) {
    gui->setVisible(true);
    engine.pushMotion(400, 300);
    engine.events->pollEvents();
    clearToBlack();
    gui->gameFrame();
    EXPECT_GT(litPixelsNear(400, 300), 20);
    EXPECT_EQ(litPixelsNear(100, 100), 0);

    engine.pushMotion(100, 100);
    engine.events->pollEvents();
    clearToBlack();
    gui->gameFrame();
    EXPECT_GT(litPixelsNear(100, 100), 20);
    EXPECT_EQ(litPixelsNear(400, 300), 0);
}

} // namespace
