// The video system with a real window and OpenGL context: the projections
// map view units onto the expected window pixels, the refused mode falls
// back, and the draw list draws by depth.
#include <GL/gl.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "Objects/Drawable.h"
#include "ProgramProfile.h"
#include "ResourceFixture.h"

namespace {

const Rgb WHITE = {255, 255, 255};

void fillRect(double left, double top, double right, double bottom, double z) {
    glColor4f(1, 1, 1, 1);
    glBegin(GL_QUADS);
    glVertex3d(left, top, z);
    glVertex3d(right, top, z);
    glVertex3d(right, bottom, z);
    glVertex3d(left, bottom, z);
    glEnd();
}

class RecordingDrawable : public Drawable {
  public:
    RecordingDrawable(std::string name, int depth, std::vector<std::string>* drawn)
        : Drawable(depth), m_name(std::move(name)), m_drawn(drawn) {}
    void draw() override { m_drawn->push_back(m_name); }

  private:
    std::string m_name;
    std::vector<std::string>* m_drawn;
};

SDL_Surface* refuseAllButFailsafe(int width, int height, int bpp, Uint32 flags) {
    return width == 640 ? SDL_SetVideoMode(width, height, bpp, flags) : nullptr;
}

} // namespace

class Video : public ResourceTest {
  protected:
    bool whiteAt(double x, double y) const { return viewPixel(x, y) == WHITE; }
};

// The flat view is stretched over the whole window (a viewport smaller than
// the window would move the rectangle's pixels). In the perspective view,
// at twice the near distance the view is twice as large: view point
// (10, 10) is at (2 * 10 - 640, 2 * 10 - 480) at depth 800. A second switch
// to the same mode must change nothing.
TEST_F(Video, ProjectionsCoverTheViewAndSwitchOnlyOnAChange) {
    engine.video->preDraw();
    GLfloat clear[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
    for (int i = 0; i < 4; ++i)
        EXPECT_FLOAT_EQ(clear[i], programProfile().clearColour[i]);
    engine.video->set2Dmode();
    fillRect(100, 100, 120, 110, 0);
    EXPECT_TRUE(whiteAt(110, 105));
    EXPECT_FALSE(whiteAt(98, 105));
    EXPECT_FALSE(whiteAt(110, 112));

    engine.video->set3Dmode();
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    glTranslated(5, 0, 0);
    engine.video->set3Dmode();
    GLdouble modelView[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    EXPECT_EQ(modelView[12], 5.0) << "the second switch reset the view";
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    fillRect(-640, -480, -600, -440, -800);
    EXPECT_TRUE(whiteAt(10, 10));
    EXPECT_FALSE(whiteAt(25, 10));
    engine.video->set2Dmode();
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

// Greatest depth first; of equal depths the one queued first is drawn last,
// on top; hidden entries leave the queue undrawn.
TEST_F(Video, DrawListDrawsByDepthAndEmptiesItsQueue) {
    std::vector<std::string> drawn;
    RecordingDrawable five("5", 5, &drawn), minusTwo("-2", -2, &drawn), ten("10", 10, &drawn),
        a("A", 3, &drawn), b("B", 3, &drawn), hidden("hidden", -999999, &drawn);
    hidden.setVisible(false);

    for (Drawable* queued : std::vector<Drawable*>{&five, &a, &minusTwo, &hidden, &b, &ten})
        engine.video->drawAdd(queued);
    engine.video->drawList();
    EXPECT_EQ(drawn, (std::vector<std::string>{"10", "5", "B", "A", "-2"}));
    EXPECT_EQ(engine.video->drawListSize(), 0u);
}

TEST(VideoFallback, RefusedModesOpenTheFailsafeWindowAndSaySo) {
    TestEngine engine([](VideoSystem& video) { video.setModeRequester(refuseAllButFailsafe); });
    const std::vector<std::string> errors = engine.logger->errors();
    const std::string expected =
        "Failed to set video mode to " + std::to_string(engine.settings->getVIDEO_screenWidth()) +
        "x" + std::to_string(engine.settings->getVIDEO_screenHeight()) + " 32bpp windowed";
    EXPECT_NE(std::find(errors.begin(), errors.end(), expected), errors.end());
    ASSERT_NE(SDL_GetVideoSurface(), nullptr);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 640);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 480);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 480);
}

TEST(VideoFallback, RefusedFailsafeModeIsFatal) {
    EXPECT_THROW(TestEngine([](VideoSystem& video) {
                     video.setModeRequester(
                         [](int, int, int, Uint32) -> SDL_Surface* { return nullptr; });
                 }),
                 std::runtime_error);
    SDL_Quit();
}
