// The player drawn as the map draws it, read back from the frame: the soft
// edge of a sprite blends with the sky behind it, and scenery behind the
// world plane, drawn after the player, does not paint over its opaque parts.
// The player's pictures and the sky are replaced by plain ones so that every
// expected colour is known.
#include <GL/gl.h>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>

#include "AppStuff/MapController.h"
#include "AppStuff/MapStateController.h"
#include "Image.h"
#include "Pixels.h"
#include "TestEngine.h"
#include "Tga.h"
#include "VirtualFolder.h"

namespace {

const Rgba SKY{40, 80, 120, 255};
// Under the half opacity from which a texel counts as the figure.
const std::uint8_t SOFT_ALPHA = 96;
// The player's centre at the start, and where the standing legs' 64 x 64
// picture lands: its anchor (1, -12) sits at the centre shifted 8 left.
const double PLAYER_X = 400, PLAYER_Y = 0;
const double LEGS_LEFT = PLAYER_X - 8 - 1, LEGS_TOP = PLAYER_Y + 12, LEGS_SIDE = 64;
// The view is centred on the legs; the eye stands 1300 in front of the world
// plane and the near plane, 400 away, spans the 640 x 480 view.
const Vector2 VIEW(LEGS_LEFT + LEGS_SIDE / 2, LEGS_TOP + LEGS_SIDE / 2);
const double PLANE_SCALE = 400.0 / 1300.0;

// A square picture whose texel colours depend on the column only.
template <class Colour> Bytes picture(int side, Colour colourOfColumn) {
    Image image(side, side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.at(x, y) = colourOfColumn(x);
    return encodeTga(image);
}

// Two triangles 80 units behind the world plane covering the whole view, in
// both windings so that culling keeps one pair.
const char* const SCENERY_BEHIND = "v  -500 500 -10\nv  500 500 -10\nv  500 -500 -10\n"
                                   "v  -500 -500 -10\nvt 0 0 0\nvn 0 0 1\n"
                                   "f 1/1/1 2/1/1 3/1/1\nf 1/1/1 3/1/1 4/1/1\n"
                                   "f 3/1/1 2/1/1 1/1/1\nf 4/1/1 3/1/1 1/1/1\n";

class PlayerDraw : public testing::Test {
  protected:
    PlayerDraw() {
        // Every part but the standing legs is invisible.
        const ResourceEnumeration& catalogue =
            *engine.controller->getResourceManager()->getResourceEnumeration();
        for (int texture = TX_PLAYhead; texture <= TX_PLAYarmSHTG05; ++texture)
            folder.write(catalogue.getTexturePath(textureEnum(texture)),
                         picture(1, [](int) { return Rgba{}; }));
        // The standing legs red, the left half opaque, the right half soft.
        folder.write(catalogue.getTexturePath(TX_PLAYlegS), picture(int(LEGS_SIDE), [](int x) {
                         return Rgba{255, 0, 0, x < LEGS_SIDE / 2 ? std::uint8_t(255) : SOFT_ALPHA};
                     }));
        folder.write("SKY1.tga", picture(64, [](int) { return SKY; }));
        std::ofstream(folder.path() + "/behind.obj") << SCENERY_BEHIND;
    }

    // The colour at a point of the world plane after one frame of the map.
    Rgb frameAt(const std::string& level, double worldX, double worldY) {
        MapStateController state(engine.state);
        state.initialize(level.c_str());
        state.getMapController()->viewSetPosition(VIEW);
        engine.video->preDraw();
        state.getMapController()->gameFrame();
        const double pixelsPerUnit = engine.settings->getVIDEO_screenWidth() / 640.0;
        return pixelAt(int((320 + (worldX - VIEW.m_x) * PLANE_SCALE) * pixelsPerUnit),
                       int((240 + (worldY - VIEW.m_y) * PLANE_SCALE) * pixelsPerUnit),
                       engine.settings->getVIDEO_screenHeight());
    }

    TestEngine engine;
    VirtualFolder folder;
};

} // namespace

TEST_F(PlayerDraw, SoftEdgeBlendsOverTheSky) {
    const Rgb soft = frameAt("no-such-level.obj", LEGS_LEFT + LEGS_SIDE * 3 / 4, VIEW.m_y);
    const double a = SOFT_ALPHA / 255.0;
    const Rgb blended = {int(std::lround(255 * a + SKY.r * (1 - a))),
                         int(std::lround(SKY.g * (1 - a))), int(std::lround(SKY.b * (1 - a)))};
    for (int channel = 0; channel < 3; ++channel)
        EXPECT_NEAR(soft[channel], blended[channel], 3) << "channel " << channel;
}

TEST_F(PlayerDraw, SceneryBehindTheWorldPlaneStaysBehindThePlayer) {
    const std::string level = folder.path() + "/behind.obj";
    EXPECT_EQ(frameAt(level, LEGS_LEFT + LEGS_SIDE / 4, VIEW.m_y), (Rgb{255, 0, 0}));
    // The scenery is drawn: it covers the sky beside the player.
    EXPECT_NE(frameAt(level, LEGS_LEFT - LEGS_SIDE, VIEW.m_y), (Rgb{SKY.r, SKY.g, SKY.b}));
}
