// Textures and sprites with a real OpenGL context: power-of-two stretching,
// the picture's orientation, where a sprite lands when drawn, and the
// messages for files that are missing or not images.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>

#include "Pixels.h"
#include "ResourceTestImages.h"
#include "Resources/Sprite.h"
#include "Resources/Texture.h"
#include "TestEngine.h"
#include "VirtualFolder.h"

namespace {

const Rgb RED = {255, 0, 0}, GREEN = {0, 255, 0}, BLUE = {0, 0, 255}, WHITE = {255, 255, 255};

// 16 x 32, one colour per quadrant, so mirroring and rotation show.
Bytes quadrantTga() {
    Image image(16, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool left = x < 8, top = y < 16;
            image.at(x, y) = top ? (left ? Rgba{255, 0, 0, 255} : Rgba{0, 255, 0, 255})
                                 : (left ? Rgba{0, 0, 255, 255} : Rgba{255, 255, 255, 255});
        }
    return encodeTga(image);
}

std::string fatalMessageOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(no error)";
}

} // namespace

class TextureSprite : public testing::Test {
  protected:
    // A view point in window pixels (the window is larger than the view).
    Rgb viewPixel(double x, double y) const {
        const double scale = engine.settings->getVIDEO_screenWidth() / 640.0;
        return pixelAt(static_cast<int>(x * scale), static_cast<int>(y * scale),
                       engine.settings->getVIDEO_screenHeight());
    }
    void drawPaddle(float xScale, float rotation) {
        folder.write("Paddle.tga", quadrantTga());
        Pointer<Sprite> sprite;
        engine.controller->getResourceManager()->getSprite(SP_Paddle, &sprite);
        glClearColor(0, 0, 0, 1);
        engine.video->preDraw();
        engine.video->set2Dmode();
        sprite->draw(100, 100, xScale, 1, rotation, 1, 1, 1, 1);
    }

    TestEngine engine;
    VirtualFolder folder;
};

TEST_F(TextureSprite, OddSizedImageIsStretchedToPowersOfTwo) {
    folder.write("odd.tga", bandedTga(20, 30));
    Texture texture(engine.controller.get());
    texture.load("odd.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_TRUE(texture.getLoaded());
    EXPECT_EQ(texture.getWidth(), 20);
    EXPECT_EQ(texture.getHeight(), 30);
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, texture.getTexture());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(height, 32);
}

TEST_F(TextureSprite, OneSideNeedingStretchIsStretchedWhole) {
    // 20 x 32: only the width is no power of two.
    folder.write("narrow.tga", bandedTga(20, 32));
    Texture texture(engine.controller.get());
    texture.load("narrow.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_EQ(texture.getWidth(), 20);
    EXPECT_EQ(texture.getHeight(), 32);
    GLint width = 0, height = 0;
    glBindTexture(GL_TEXTURE_2D, texture.getTexture());
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    ASSERT_EQ(width, 32);
    ASSERT_EQ(height, 32);
    std::vector<unsigned char> texels(32 * 32 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    const auto texel = [&](int x, int row) {
        const unsigned char* p = &texels[std::size_t(row * 32 + x) * 4];
        return Rgb{p[0], p[1], p[2]};
    };
    for (int x : {0, 16, 31}) {
        EXPECT_EQ(texel(x, 31), RED) << x;
        EXPECT_EQ(texel(x, 16), GREEN) << x;
        EXPECT_EQ(texel(x, 0), BLUE) << x;
    }
}

TEST_F(TextureSprite, PicturesTopRowIsAtTextureCoordinateOne) {
    folder.write("banded.tga", bandedTga(64, 64));
    Texture texture(engine.controller.get());
    texture.load("banded.tga", GL_CLAMP, GL_CLAMP);
    std::vector<unsigned char> texels(64 * 64 * 4);
    glBindTexture(GL_TEXTURE_2D, texture.getTexture());
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    const auto texelRow = [&](int row) {
        const unsigned char* p = &texels[std::size_t(row) * 64 * 4];
        return Rgb{p[0], p[1], p[2]};
    };
    EXPECT_EQ(texelRow(63), RED) << "t = 1 must hold the picture's top row";
    EXPECT_EQ(texelRow(0), BLUE);
}

TEST_F(TextureSprite, OneTexelShortOfFullAlphaMakesATextureTranslucent) {
    Image translucent(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            translucent.at(x, y) = Rgba{200, 100, 50, 255};
    translucent.at(15, 0) = Rgba{200, 100, 50, 254};
    folder.write("opaque.tga", solidTga(16, 16, Rgba{200, 100, 50, 255}));
    folder.write("translucent.tga", encodeTga(translucent));
    Texture solid(engine.controller.get()), seeThrough(engine.controller.get());
    solid.load("opaque.tga", GL_CLAMP, GL_CLAMP);
    seeThrough.load("translucent.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_TRUE(solid.isOpaque());
    EXPECT_FALSE(seeThrough.isOpaque());
}

TEST_F(TextureSprite, LoadingTwiceKeepsTheFirstTexture) {
    folder.write("a.tga", bandedTga(8, 8));
    Texture texture(engine.controller.get());
    texture.load("a.tga", GL_CLAMP, GL_CLAMP);
    const GLuint first = texture.getTexture();
    texture.load("a.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_EQ(texture.getTexture(), first);
    EXPECT_EQ(engine.logger->errors().back(), "Can't load a texture when it's already loaded.");
    texture.unload();
    EXPECT_FALSE(glIsTexture(first));
    texture.unload();
}

TEST_F(TextureSprite, SpriteAnchorLandsOnTheDrawingPosition) {
    drawPaddle(1, 0);
    // Offsets (8, 16) at (100, 100): the image spans x 92..108, y 84..116.
    EXPECT_EQ(viewPixel(96, 92), RED);
    EXPECT_EQ(viewPixel(104, 92), GREEN);
    EXPECT_EQ(viewPixel(96, 108), BLUE);
    EXPECT_EQ(viewPixel(104, 108), WHITE);
    EXPECT_EQ(viewPixel(90, 100), (Rgb{0, 0, 0}));
    EXPECT_EQ(viewPixel(100, 118), (Rgb{0, 0, 0}));
}

TEST_F(TextureSprite, NegativeScaleMirrorsAboutTheAnchor) {
    drawPaddle(-1, 0);
    EXPECT_EQ(viewPixel(96, 92), GREEN);
    EXPECT_EQ(viewPixel(104, 92), RED);
    EXPECT_EQ(viewPixel(96, 108), WHITE);
}

TEST_F(TextureSprite, PositiveRotationTurnsCounterClockwiseOnScreen) {
    drawPaddle(1, 90);
    // The picture's top now faces left: 32 wide and 16 tall about (100, 100).
    EXPECT_EQ(viewPixel(92, 104), RED);
    EXPECT_EQ(viewPixel(92, 96), GREEN);
    EXPECT_EQ(viewPixel(108, 104), BLUE);
    EXPECT_EQ(viewPixel(108, 96), WHITE);
}

TEST_F(TextureSprite, SpritesOfOneTextureShareItAndCountReferences) {
    folder.write("spCursorCrosshair.tga", bandedTga(16, 16));
    ResourceManager* resources = engine.controller->getResourceManager();
    Pointer<Sprite> crosshair, again;
    resources->getSprite(SP_CursorCrosshair, &crosshair);
    resources->getSprite(SP_CursorCrosshair, &again);
    EXPECT_EQ(&*crosshair, &*again);
    Pointer<Texture> fromSprite, fromManager;
    crosshair->getTexture(&fromSprite);
    resources->getTexture(TX_CursorCrosshair, &fromManager);
    EXPECT_EQ(&*fromSprite, &*fromManager);
    crosshair->getTexture(nullptr);
}

TEST_F(TextureSprite, BadImageFilesEndWithTheirMessage) {
    folder.writeText("junk.tga", "this is not an image at all");
    Bytes truncated = bandedTga(32, 32);
    truncated.resize(40);
    folder.write("truncated.tga", truncated);
    Texture missing(engine.controller.get()), junk(engine.controller.get()),
        cut(engine.controller.get());
    EXPECT_EQ(fatalMessageOf([&] { missing.load("nothere.tga", GL_CLAMP, GL_CLAMP); }),
              "Texture file nothere.tga not found");
    EXPECT_EQ(fatalMessageOf([&] { junk.load("junk.tga", GL_CLAMP, GL_CLAMP); }),
              "Error loading image junk.tga");
    EXPECT_EQ(fatalMessageOf([&] { cut.load("truncated.tga", GL_CLAMP, GL_CLAMP); }),
              "Error loading image truncated.tga");
    EXPECT_FALSE(missing.getLoaded() || junk.getLoaded() || cut.getLoaded());
}

TEST_F(TextureSprite, DeclaredSizesTheDataOrTheContextCannotHoldAreRefused) {
    // 69 bytes of run-length true colour claiming 22627 x 26435 pixels.
    Bytes crash = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x63, 0x58, 0x43, 0x67, 24, 0};
    for (int packet = 0; packet < 12; ++packet)
        crash.insert(crash.end(), {0xff, 0x10, 0x20, 0x30});
    crash.insert(crash.end(), {0x81, 0x40, 0x50});
    ASSERT_EQ(crash.size(), 69u);
    folder.write("crash.tga", crash);

    // A whole picture one texel wider than the context allows: one row of
    // run packets of 128 pixels.
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    ASSERT_GE(maxSide, 64);
    ASSERT_LT(maxSide, 32768);
    const auto strip = [](int width) {
        Bytes file = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        file.insert(file.end(), {static_cast<std::uint8_t>(width & 0xff),
                                 static_cast<std::uint8_t>(width >> 8), 1, 0, 32, 8});
        for (int left = width; left > 0; left -= 128) {
            const int count = left < 128 ? left : 128;
            file.insert(file.end(),
                        {static_cast<std::uint8_t>(0x80 | (count - 1)), 0, 0, 255, 255});
        }
        return file;
    };
    folder.write("wide.tga", strip(maxSide + 1));
    folder.write("widest.tga", strip(maxSide));

    Texture crashing(engine.controller.get()), wide(engine.controller.get()),
        widest(engine.controller.get());
    EXPECT_EQ(fatalMessageOf([&] { crashing.load("crash.tga", GL_CLAMP, GL_CLAMP); }),
              "Error loading image crash.tga");
    EXPECT_EQ(fatalMessageOf([&] { wide.load("wide.tga", GL_CLAMP, GL_CLAMP); }),
              "Error loading image wide.tga");
    widest.load("widest.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_TRUE(widest.getLoaded());
    EXPECT_EQ(widest.getWidth(), maxSide);
}
