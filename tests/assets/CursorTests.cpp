// The cursors must read on any background: a light fill that never touches
// transparency directly, always wrapped in a dark outline.
#include "ArtFixture.h"

namespace {

int luma(Texel t) {
    return (t.r * 30 + t.g * 59 + t.b * 11) / 100;
}

bool isRedAccent(Texel t) {
    return t.r > 2 * t.g && t.r > 2 * t.b;
}

} // namespace

TEST_F(ArtTest, CursorsHaveLightFillInsideDarkOutline) {
    for (const char* name : {"spCursorArrow.tga", "spCursorCrosshair.tga"}) {
        SCOPED_TRACE(name);
        const DecodedImage cursor = image(name);
        int light = 0, dark = 0;
        for (int y = 0; y < cursor.height(); ++y)
            for (int x = 0; x < cursor.width(); ++x) {
                const Texel t = cursor.at(x, y);
                if (t.a == 0)
                    continue;
                EXPECT_EQ(t.a, 255) << "half-transparent at " << x << "," << y;
                if (luma(t) >= 150) {
                    ++light;
                    const bool touchesClear =
                        cursor.at(x - 1, y).a == 0 || cursor.at(x + 1, y).a == 0 ||
                        cursor.at(x, y - 1).a == 0 || cursor.at(x, y + 1).a == 0;
                    EXPECT_FALSE(touchesClear) << "fill meets the background at " << x << "," << y;
                } else if (luma(t) <= 70) {
                    ++dark;
                } else {
                    EXPECT_TRUE(isRedAccent(t)) << "mid-grey pixel at " << x << "," << y;
                }
            }
        EXPECT_GT(light, 10);
        EXPECT_GT(dark, 10);
    }
}

TEST_F(ArtTest, ArrowTipIsAtItsAnchor) {
    // The anchor (1, 2) is the top-left corner of the tip pixel: nothing of
    // the fill lies above or left of it.
    const DecodedImage arrow = image("spCursorArrow.tga");
    EXPECT_GE(luma(arrow.at(1, 2)), 150);
    EXPECT_LE(luma(arrow.at(1, 1)), 70);
    EXPECT_LE(luma(arrow.at(0, 2)), 70);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < arrow.width(); ++x)
            EXPECT_LT(luma(arrow.at(x, y)) * (arrow.at(x, y).a > 0), 150) << x << "," << y;
}

TEST_F(ArtTest, CrosshairIsSymmetricAboutItsAnchor) {
    const DecodedImage crosshair = image("spCursorCrosshair.tga");
    ASSERT_EQ(crosshair.width(), 16);
    ASSERT_EQ(crosshair.height(), 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_EQ(crosshair.at(x, y).a, crosshair.at(15 - x, y).a) << x << "," << y;
            EXPECT_EQ(crosshair.at(x, y).a, crosshair.at(x, 15 - y).a) << x << "," << y;
        }
    EXPECT_TRUE(crosshair.opaque(7, 7) && crosshair.opaque(8, 8));
}
