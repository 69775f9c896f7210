// Textures and sprites with a real OpenGL context: power-of-two stretching,
// the picture's orientation, where a sprite lands when drawn, and the
// messages for files that are not images or claim sizes nothing can hold.
#include <string>

#include "ResourceFixture.h"
#include "ResourceTestImages.h"
#include "Resources/Sprite.h"
#include "Resources/Texture.h"

namespace {

const Rgb RED = {255, 0, 0}, GREEN = {0, 255, 0}, BLUE = {0, 0, 255}, WHITE = {255, 255, 255},
          BLACK = {0, 0, 0};

// 16 x 32, one colour per quadrant, so mirroring and rotation show.
Bytes quadrantTga() {
    return paintedTga(16, 32, [](int x, int y) {
        const Rgba corners[2][2] = {{{255, 0, 0, 255}, {0, 255, 0, 255}},
                                    {{0, 0, 255, 255}, {255, 255, 255, 255}}};
        return corners[y / 16][x / 8];
    });
}

} // namespace

using TextureSprite = ResourceTest;

// The texture keeps the picture's own size for drawing, and its top row at
// texture coordinate t = 1.
TEST_F(TextureSprite, PicturesAreStretchedToPowersOfTwoTopRowAtTheTop) {
    const struct {
        int width, height, textureSide;
        bool bandsKept;
    } rows[] = {{20, 30, 32, false}, {20, 32, 32, true}, {64, 64, 64, true}};
    for (const auto& row : rows) {
        const std::string name = std::to_string(row.width) + "x" + std::to_string(row.height);
        SCOPED_TRACE(name);
        folder.write(name + ".tga", bandedTga(row.width, row.height));
        Texture texture(engine.controller.get());
        texture.load((name + ".tga").c_str(), GL_CLAMP, GL_CLAMP);
        EXPECT_EQ(texture.getWidth(), row.width);
        EXPECT_EQ(texture.getHeight(), row.height);
        const int side = row.textureSide;
        GLint width = 0, height = 0;
        glBindTexture(GL_TEXTURE_2D, texture.getTexture());
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        ASSERT_EQ(width, side);
        ASSERT_EQ(height, side);
        if (!row.bandsKept)
            continue;
        std::vector<unsigned char> texels(std::size_t(side * side * 4));
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
        const auto texel = [&](int x, int row) {
            const unsigned char* p = &texels[std::size_t(row * side + x) * 4];
            return Rgb{p[0], p[1], p[2]};
        };
        for (int x : {0, side / 2, side - 1}) {
            EXPECT_EQ(texel(x, side - 1), RED) << x;
            EXPECT_EQ(texel(x, side / 2), GREEN) << x;
            EXPECT_EQ(texel(x, 0), BLUE) << x;
        }
    }
}

TEST_F(TextureSprite, OneTexelShortOfFullAlphaMakesATextureTranslucent) {
    folder.write("opaque.tga", solidTga(16, 16, Rgba{200, 100, 50, 255}));
    folder.write("translucent.tga", paintedTga(16, 16, [](int x, int y) {
                     return Rgba{200, 100, 50, std::uint8_t(x == 15 && y == 0 ? 254 : 255)};
                 }));
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

// The paddle's anchor (8, 16) drawn at (100, 100): unscaled the picture spans
// x 92..108 and y 84..116; a negative scale mirrors it about the anchor; a
// positive rotation turns it counter-clockwise on screen (its top faces
// left, 32 wide and 16 tall).
TEST_F(TextureSprite, SpriteIsDrawnAboutItsAnchorMirroredAndTurned) {
    struct Probe {
        double x, y;
        Rgb colour;
    };
    const struct {
        const char* name;
        float xScale, rotation;
        std::vector<Probe> probes;
    } rows[] = {
        {"plain", 1, 0, {{96, 92, RED}, {104, 92, GREEN}, {96, 108, BLUE}, {104, 108, WHITE}}},
        {"plain, around it", 1, 0, {{90, 100, BLACK}, {100, 118, BLACK}}},
        {"mirrored", -1, 0, {{96, 92, GREEN}, {104, 92, RED}, {96, 108, WHITE}}},
        {"turned", 1, 90, {{92, 104, RED}, {92, 96, GREEN}, {108, 104, BLUE}, {108, 96, WHITE}}},
    };
    folder.write("Paddle.tga", quadrantTga());
    Pointer<Sprite> sprite;
    resources().getSprite(SP_Paddle, &sprite);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        clearScreen();
        sprite->draw(100, 100, row.xScale, 1, row.rotation, 1, 1, 1, 1);
        for (const Probe& p : row.probes)
            EXPECT_EQ(viewPixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

TEST_F(TextureSprite, SpritesOfOneTextureShareIt) {
    folder.write("spCursorCrosshair.tga", bandedTga(16, 16));
    Pointer<Sprite> crosshair, again;
    resources().getSprite(SP_CursorCrosshair, &crosshair);
    resources().getSprite(SP_CursorCrosshair, &again);
    EXPECT_EQ(&*crosshair, &*again);
    Pointer<Texture> fromSprite, fromManager;
    crosshair->getTexture(&fromSprite);
    resources().getTexture(TX_CursorCrosshair, &fromManager);
    EXPECT_EQ(&*fromSprite, &*fromManager);
    crosshair->getTexture(nullptr);
}

// Junk, a cut file, and sizes the data or the context cannot hold end with
// the same message; the widest picture the context holds loads.
TEST_F(TextureSprite, BadImagesAndSizesNothingCanHoldAreRefused) {
    Bytes truncated = bandedTga(32, 32);
    truncated.resize(40);
    // 69 bytes of run-length true colour claiming 22627 x 26435 pixels.
    Bytes crash = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x63, 0x58, 0x43, 0x67, 24, 0};
    for (int packet = 0; packet < 12; ++packet)
        crash.insert(crash.end(), {0xff, 0x10, 0x20, 0x30});
    crash.insert(crash.end(), {0x81, 0x40, 0x50});
    // A picture of one row of run packets of 128 pixels.
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
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    ASSERT_GE(maxSide, 64);
    ASSERT_LT(maxSide, 32768);
    folder.writeText("junk.tga", "this is not an image at all");
    folder.write("truncated.tga", truncated);
    folder.write("crash.tga", crash);
    folder.write("wide.tga", strip(maxSide + 1));
    for (const char* file : {"junk.tga", "truncated.tga", "crash.tga", "wide.tga"}) {
        Texture texture(engine.controller.get());
        EXPECT_EQ(fatalMessageOf([&] { texture.load(file, GL_CLAMP, GL_CLAMP); }),
                  std::string("Error loading image ") + file);
        EXPECT_FALSE(texture.getLoaded()) << file;
    }
    folder.write("widest.tga", strip(maxSide));
    Texture widest(engine.controller.get());
    widest.load("widest.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_TRUE(widest.getLoaded());
    EXPECT_EQ(widest.getWidth(), maxSide);
}
