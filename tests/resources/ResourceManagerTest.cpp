// The resource manager's request path and registries, and the catalogue's
// rows, against the real archive the asset builder wrote.
#include <gtest/gtest.h>
#include <physfs.h>
#include <string>

#include "GameArchive.h"
#include "ProgramProfile.h"
#include "ResourceTestImages.h"
#include "Resources/Font.h"
#include "Resources/Sound.h"
#include "Resources/Sprite.h"
#include "Resources/Texture.h"
#include "TestEngine.h"
#include "VirtualFolder.h"

namespace {} // namespace

class Resources : public testing::Test {
  protected:
    ResourceManager& resources() { return *engine.controller->getResourceManager(); }

    GameArchive archive;
    TestEngine engine;
};

TEST_F(Resources, SameValueGivesTheSameObject) {
    Pointer<Texture> first, second;
    resources().getTexture(TX_Ball, &first);
    resources().getTexture(TX_Ball, &second);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(&*first, &*second);
    EXPECT_TRUE(first->getLoaded());
}

TEST_F(Resources, NoneValuesRegisterEmptyObjectsWithoutReadingFiles) {
    Pointer<Texture> texture, textureAgain;
    Pointer<Sprite> sprite;
    Pointer<Sound> sound;
    Pointer<Font> font;
    resources().getTexture(TX_NONE, &texture);
    resources().getTexture(TX_NONE, &textureAgain);
    resources().getSprite(SP_NONE, &sprite);
    resources().getSound(SO_NONE, &sound);
    resources().getFont(FN_NONE, &font);
    EXPECT_EQ(&*texture, &*textureAgain);
    EXPECT_FALSE(texture->getLoaded() || sprite->getLoaded() || sound->getLoaded() ||
                 font->getLoaded());
    EXPECT_TRUE(engine.logger->errors().size() == 2) << "only the two start-up refusals";
}

TEST_F(Resources, EveryCataloguedSpriteLoadsFromTheArchive) {
    for (int value = 0; value < SP_NONE; ++value) {
        if (value == SP_PLAYstart || value == SP_PLAYend)
            continue;
        Pointer<Sprite> sprite;
        resources().getSprite(static_cast<spriteEnum>(value), &sprite);
        EXPECT_TRUE(sprite->getLoaded()) << "sprite " << value;
        EXPECT_GT(sprite->getWidth(), 0) << "sprite " << value;
    }
}

TEST_F(Resources, ReleasedResourceIsRevivedByKeyWithoutLoading) {
    Pointer<Texture> handle;
    resources().getTexture(TX_Paddle, &handle);
    const Texture* first = &*handle;
    const GLuint name = handle->getTexture();
    handle.nullify();
    resources().getTexture(TX_Paddle, &handle);
    EXPECT_EQ(&*handle, first);
    EXPECT_EQ(handle->getTexture(), name);
}

TEST_F(Resources, ReleasedResourceIsEvictedWhenItsSlotIsReused) {
    Pointer<Texture> paddle, ball;
    resources().getTexture(TX_Paddle, &paddle);
    const GLuint paddleName = paddle->getTexture();
    paddle.nullify();
    // The released slot is the oldest: the next new texture takes it, and
    // the paddle's texture is deleted with its OpenGL name.
    resources().getTexture(TX_Ball, &ball);
    EXPECT_FALSE(glIsTexture(paddleName));
    resources().getTexture(TX_Paddle, &paddle);
    EXPECT_TRUE(paddle->getLoaded());
    EXPECT_NE(&*paddle, &*ball);
}

TEST_F(Resources, UnloadedTexturesStayRegisteredAndReloadingIsFatal) {
    Pointer<Texture> handle, again;
    resources().getTexture(TX_VexLogo, &handle);
    resources().unloadTextures();
    resources().getTexture(TX_VexLogo, &again);
    EXPECT_EQ(&*handle, &*again);
    EXPECT_FALSE(again->getLoaded());
    try {
        resources().reloadTextures();
        ADD_FAILURE() << "reloading a registered texture must be fatal";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Unsupported operation.  Textures can't be reloaded.");
    }
}

TEST_F(Resources, SpritesAndFontsCannotBeReloaded) {
    Sprite sprite(engine.controller.get());
    Font font(engine.controller.get());
    EXPECT_THROW(sprite.reload(), std::runtime_error);
    EXPECT_EQ(engine.logger->lines.back().text,
              "Unsupported operation. Sprites can't be reloaded.");
    EXPECT_THROW(font.reload(), std::runtime_error);
    EXPECT_EQ(engine.logger->lines.back().text, "Unsupported operation.  Fonts can't be reloaded.");
}

TEST_F(Resources, SecondInitializeIsRefused) {
    resources().initialize();
    EXPECT_EQ(engine.logger->errors().back(), "ResourceManager is already initialized");
}

TEST_F(Resources, EveryServiceRefusesBeforeInitialize) {
    ResourceManager fresh(engine.controller.get());
    Pointer<Texture> texture;
    Pointer<Sprite> sprite;
    Pointer<Sound> sound;
    Pointer<Font> font;
    const auto expectRefusal = [&](auto&& call, const std::string& operation) {
        engine.logger->lines.clear();
        call();
        ASSERT_EQ(engine.logger->lines.size(), 1u) << operation;
        EXPECT_EQ(engine.logger->lines[0].text,
                  operation + " can't execute until ResourceManager is initialized.");
    };
    expectRefusal([&] { fresh.getTexture(TX_Ball, &texture); }, "getTexture()");
    expectRefusal([&] { fresh.getSprite(SP_Ball, &sprite); }, "getSprite()");
    expectRefusal([&] { fresh.getSound(SO_PLAYdieYell, &sound); }, "getSound()");
    expectRefusal([&] { fresh.getFont(FN_Test, &font); }, "getFont()");
    expectRefusal([&] { fresh.unloadTextures(); }, "unloadTextures()");
    expectRefusal([&] { fresh.reloadTextures(); }, "reloadTextures()");
    expectRefusal([&] { fresh.unloadSounds(); }, "unloadSounds()");
    expectRefusal([&] { fresh.reloadSounds(); }, "reloadSounds()");
    EXPECT_TRUE(texture.isNull() && sprite.isNull() && sound.isNull() && font.isNull());
    EXPECT_EQ(fresh.getResourceEnumeration(), nullptr);
}

TEST_F(Resources, CatalogueRowsFollowTheirRules) {
    const ResourceEnumeration& catalogue = *resources().getResourceEnumeration();
    EXPECT_EQ(catalogue.getSpriteTexture(SP_PLAYarmSHTG05), TX_PLAYarmSHTG01);
    EXPECT_EQ(catalogue.getSpriteTexture(SP_PLAYarmSHTG04), TX_PLAYarmSHTG01);
    EXPECT_STREQ(catalogue.getTexturePath(TX_CursorType),
                 catalogue.getTexturePath(TX_CursorCrosshair));
    EXPECT_STREQ(catalogue.getTexturePath(TX_PLAYlegD07), "spPLAYlegD07.tga");
    EXPECT_STREQ(catalogue.getTexturePath(TX_NONE), "");
    EXPECT_EQ(catalogue.getTextureWrapS(TX_Ball), GL_CLAMP);
    EXPECT_EQ(catalogue.getSpriteXoffset(SP_PLAYlegD00), 3.0f);
    EXPECT_EQ(catalogue.getSpriteYoffset(SP_PLAYlegD00), -19.0f);
    EXPECT_STREQ(catalogue.getFontPath(FN_Test), "FN_12.fnt");
    EXPECT_STREQ(catalogue.getFontPath(FN_NONE), "");
    EXPECT_STREQ(catalogue.getSoundPath(SO_NONE), "");
    EXPECT_STREQ(catalogue.getSoundPath(SO_MU_Intro), programProfile().musicFile);
    for (int sound = 0; sound <= SO_NONE; ++sound) {
        const soundEnum value = static_cast<soundEnum>(sound);
        EXPECT_EQ(catalogue.getSoundStream(value), value == SO_MU_Metal || value == SO_MU_Intro);
        EXPECT_EQ(catalogue.getSoundExInfo(value) != nullptr, value == SO_MU_Metal);
    }
    const FMOD_CREATESOUNDEXINFO* midi = catalogue.getSoundExInfo(SO_MU_Metal);
    EXPECT_EQ(midi->cbsize, static_cast<int>(sizeof(FMOD_CREATESOUNDEXINFO)));
    EXPECT_EQ(midi->dlsname, engine.settings->getSOUND_midiDLSname());
}
