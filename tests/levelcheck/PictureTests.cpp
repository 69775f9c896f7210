// The picture of a level's outline, written as PNG and read back: each kind
// of line in its colour where the line lies, with its tick on the solid side.
#include <gtest/gtest.h>

#include <cmath>
#include <png.h>

#include "LevelFiles.h"
#include "LevelPicture.h"
#include "PngFile.h"

namespace {

// A floor, a 45-degree slope, an upright wall, a steep slope (3 up, 1
// across) and a ceiling, each a quad across z = 0 wound counter-clockwise
// seen from outside (the outside lies to the right of P -> Q, y up).
const char* const kLevel = "v  40 -20 -1\nv  10 -20 -1\nv  10 -20 1\nv  40 -20 1\n"
                           "v  60 -10 -1\nv  50 -20 -1\nv  50 -20 1\nv  60 -10 1\n"
                           "v  80 -10 -1\nv  80 -30 -1\nv  80 -30 1\nv  80 -10 1\n"
                           "v  150 -10 -1\nv  149 -13 -1\nv  149 -13 1\nv  150 -10 1\n"
                           "v  90 -40 -1\nv  120 -40 -1\nv  120 -40 1\nv  90 -40 1\n"
                           "vt 0 0 0\nvn 0 0 1\n";

std::string quad(int first) {
    auto corner = [&](int i) { return std::to_string(first + i) + "/1/1"; };
    return "f " + corner(0) + " " + corner(1) + " " + corner(2) + "\n" + "f " + corner(0) + " " +
           corner(2) + " " + corner(3) + "\n";
}

class Picture : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string obj = kLevel;
        for (int first : {1, 5, 9, 13, 17})
            obj += quad(first);
        files.write("level.obj", obj);
        level = readObjLevel("level.obj", logger);
        picture =
            drawLevelPicture(level.collisionLines, findPlayerLanding(level.collisionLines), {});
        writePng("outline.png", picture.canvas);
        png_image image{};
        image.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&image, "outline.png")) << image.message;
        image.format = PNG_FORMAT_RGB;
        ASSERT_EQ(int(image.width), picture.canvas.width());
        rgb.resize(PNG_IMAGE_SIZE(image));
        ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    }

    // A pixel of the PNG as read back.
    Rgb at(int x, int y) const {
        const std::size_t i = (std::size_t(y) * picture.canvas.width() + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }

    Rgb colourAt(const Vector2& world, const Vector2& pixelsAside = Vector2(0, 0)) const {
        const Vector2 p = picture.toPixel(world) + pixelsAside;
        return at(static_cast<int>(std::floor(p.m_x)), static_cast<int>(std::floor(p.m_y)));
    }

    LevelFiles files;
    RecordingLogger logger{nullptr};
    LevelData level;
    LevelPicture picture{Canvas(1, 1, {}), Vector2(), 1, 0};
    std::vector<std::uint8_t> rgb;
};

TEST_F(Picture, EachKindInItsColourWithItsTickOnTheSolidSide) {
    ASSERT_EQ(level.collisionLines.size(), 10u);
    const Rgb expected[5] = {
        {40, 200, 60}, {40, 170, 255}, {230, 40, 40}, {255, 150, 30}, {200, 80, 230}};
    for (std::size_t i = 0; i < level.collisionLines.size(); ++i) {
        SCOPED_TRACE(i);
        const Line2& line = level.collisionLines[i];
        const Rgb colour = expected[i / 2];
        const Vector2 middle = (line.m_a + line.m_b) * 0.5;
        EXPECT_EQ(colourAt(middle), colour);
        // Five pixels into the solid the tick is seen, five into the open not.
        const Vector2 along = line.m_b - line.m_a;
        const Vector2 solid = along.lNormal() * (5.0 / along.length());
        EXPECT_EQ(colourAt(middle, solid), colour);
        EXPECT_NE(colourAt(middle, solid * -1.0), colour);
    }
}

TEST_F(Picture, ThePlayersStartIsDrawn) {
    // The top of the start ellipse, 32 units above (400, 0), in white.
    const Vector2 top = picture.toPixel(Vector2(400, -32));
    int white = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            white += at(int(top.m_x) + dx, int(top.m_y) + dy) == Rgb{255, 255, 255};
    EXPECT_GT(white, 0);
}

TEST_F(Picture, APartOfTheLevelFillsThePicture) {
    PictureOptions options;
    options.region = PictureRegion{Vector2(80, 100), Vector2(330, 200)};
    options.longestSide = 1000;
    const LevelPicture part =
        drawLevelPicture(level.collisionLines, findPlayerLanding(level.collisionLines), options);
    EXPECT_EQ(part.canvas.width(), 1000);
    EXPECT_EQ(part.canvas.height(), 400);
    EXPECT_DOUBLE_EQ(part.scale, 4.0);
    EXPECT_EQ(part.canvas.at(400, 240), (Rgb{40, 200, 60})); // world (180, 160)
}

} // namespace
