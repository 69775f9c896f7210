// One fixture for the tests of every resource kind and of the video system:
// the engine with its window (the game's archive is on the search path from
// the run directory),
// a folder of the test's own files in front of it, the frame read back in
// view units, and the fatal message an action ends with.
#pragma once

#include <GL/gl.h>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "Pixels.h"
#include "TestEngine.h"
#include "VirtualFolder.h"

class ResourceTest : public testing::Test {
  protected:
    ResourceManager& resources() { return *engine.controller->getResourceManager(); }

    // A point of the 640 x 480 view, read from the larger window.
    Rgb viewPixel(double x, double y) const {
        const double scale = engine.settings->getVIDEO_screenWidth() / 640.0;
        return pixelAt(static_cast<int>(x * scale), static_cast<int>(y * scale),
                       engine.settings->getVIDEO_screenHeight());
    }
    // A black frame in the 2-D view, ready to draw into.
    void clearScreen() {
        glClearColor(0, 0, 0, 1);
        engine.video->preDraw();
        engine.video->set2Dmode();
    }
    static std::string fatalMessageOf(const std::function<void()>& action) {
        try {
            action();
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "(no error)";
    }

    TestEngine engine;
    VirtualFolder folder;
};
