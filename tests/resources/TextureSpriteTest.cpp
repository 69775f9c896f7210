// Textures and sprites with a real OpenGL context: opacity, a second load,
// where a sprite lands when drawn (which shows the picture's orientation),
// and the messages for files that cannot be read, are not images or claim
// sizes the context cannot hold. (The stretch to power-of-two sides is the
// image tests' upload test.)
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

TEST_F(TextureSprite, OpacityComesFromEveryTexelAndASecondLoadKeepsTheFirstTexture) {
    folder.write("opaque.tga", solidTga(16, 16, Rgba{200, 100, 50, 255}));
    folder.write("translucent.tga", paintedTga(16, 16, [](int x, int y) {
                     return Rgba{200, 100, 50, std::uint8_t(x == 15 && y == 0 ? 254 : 255)};
                 }));
    Texture solid(engine.controller.get()), seeThrough(engine.controller.get());
    solid.load("opaque.tga", GL_CLAMP, GL_CLAMP);
    seeThrough.load("translucent.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_TRUE(solid.isOpaque());
    EXPECT_FALSE(seeThrough.isOpaque());

    const GLuint first = solid.getTexture();
    solid.load("translucent.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_EQ(solid.getTexture(), first);
    EXPECT_EQ(engine.logger->errors().back(), "Can't load a texture when it's already loaded.");
    solid.unload();
    EXPECT_FALSE(glIsTexture(first));
    solid.unload();
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
    Pointer<Sprite> crosshair;
    Pointer<Texture> fromSprite, fromManager;
    resources().getSprite(SP_CursorCrosshair, &crosshair);
    crosshair->getTexture(&fromSprite);
    resources().getTexture(TX_CursorCrosshair, &fromManager);
    EXPECT_EQ(&*fromSprite, &*fromManager);
}

// An empty file is a failed read, said on its own line; junk and a size the
// context cannot hold are no image; the widest picture the context holds
// loads. (Damaged Targa files are the image tests' rows.)
TEST_F(TextureSprite, BadImagesAndSizesTheContextCannotHoldAreRefused) {
    const auto strip = [](int width) { return solidTga(width, 1, {255, 0, 0, 255}); };
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    ASSERT_GE(maxSide, 64);
    ASSERT_LT(maxSide, 32768);
    folder.write("empty.tga", Bytes());
    folder.writeText("junk.tga", "this is not an image at all");
    folder.write("wide.tga", strip(maxSide + 1));
    const std::pair<const char*, std::string> rows[] = {
        {"empty.tga",
         "Texture file empty.tga failed to read file into buffer\n  the file is empty"},
        {"junk.tga", "Error loading image junk.tga"},
        {"wide.tga", "Error loading image wide.tga"},
    };
    for (const auto& [name, message] : rows) {
        const char* file = name; // a lambda may not capture a structured binding
        Texture texture(engine.controller.get());
        EXPECT_EQ(fatalMessageOf([&] { texture.load(file, GL_CLAMP, GL_CLAMP); }), message);
        EXPECT_FALSE(texture.getLoaded()) << file;
    }
    folder.write("widest.tga", strip(maxSide));
    Texture widest(engine.controller.get());
    widest.load("widest.tga", GL_CLAMP, GL_CLAMP);
    EXPECT_EQ(widest.getWidth(), maxSide);
}
