// The resource manager's request path and registries, and the catalogue's
// rows, against the real archive the asset builder wrote.
#include "ProgramProfile.h"
#include "ResourceFixture.h"
#include "Resources/Font.h"
#include "Resources/Sound.h"
#include "Resources/Sprite.h"
#include "Resources/Texture.h"

using Resources = ResourceTest;

TEST_F(Resources, NoneValuesRegisterEmptyObjectsWithoutReadingFiles) {
    Pointer<Texture> texture;
    Pointer<Sprite> sprite;
    Pointer<Sound> sound;
    Pointer<Font> font;
    resources().getTexture(TX_NONE, &texture);
    resources().getSprite(SP_NONE, &sprite);
    resources().getSound(SO_NONE, &sound);
    resources().getFont(FN_NONE, &font);
    EXPECT_FALSE(texture->getLoaded() || sprite->getLoaded() || sound->getLoaded() ||
                 font->getLoaded());
    EXPECT_EQ(engine.logger->errors().size(), 2u) << "only the two start-up refusals";
}

TEST_F(Resources, UnloadedTexturesStayRegisteredAndReloadingIsFatal) {
    Pointer<Texture> handle, again;
    resources().getTexture(TX_VexLogo, &handle);
    resources().unloadTextures();
    resources().getTexture(TX_VexLogo, &again);
    EXPECT_EQ(&*handle, &*again);
    EXPECT_FALSE(again->getLoaded());
    EXPECT_EQ(fatalMessageOf([&] { resources().reloadTextures(); }),
              "Unsupported operation.  Textures can't be reloaded.");
}

TEST_F(Resources, MissingFilesAreFatalNamingTheFile) {
    Texture texture(engine.controller.get());
    Font font(engine.controller.get());
    Sound sound(engine.controller.get());
    EXPECT_EQ(fatalMessageOf([&] { texture.load("nothere.tga", GL_CLAMP, GL_CLAMP); }),
              "Texture file nothere.tga not found");
    EXPECT_EQ(fatalMessageOf([&] { font.load("nothere.fnt"); }), "Font file nothere.fnt not found");
    EXPECT_EQ(fatalMessageOf([&] { sound.load("nothere.wav", false, nullptr); }),
              "Sound file nothere.wav not found");
}

// The refusals of the reloads are the first lines of every start, which the
// end-to-end tests pin.
TEST_F(Resources, EveryServiceRefusesBeforeInitializeAndInitializeRefusesTwice) {
    resources().initialize();
    EXPECT_EQ(engine.logger->errors().back(), "ResourceManager is already initialized");

    ResourceManager fresh(engine.controller.get());
    Pointer<Texture> texture;
    Pointer<Sprite> sprite;
    Pointer<Sound> sound;
    Pointer<Font> font;
    const auto expectRefusal = [&](auto&& call, const std::string& operation) {
        engine.logger->lines.clear();
        call();
        EXPECT_EQ(engine.logger->errors(),
                  std::vector<std::string>{operation +
                                           " can't execute until ResourceManager is initialized."});
    };
    expectRefusal([&] { fresh.getTexture(TX_Ball, &texture); }, "getTexture()");
    expectRefusal([&] { fresh.getSprite(SP_Ball, &sprite); }, "getSprite()");
    expectRefusal([&] { fresh.getSound(SO_PLAYdieYell, &sound); }, "getSound()");
    expectRefusal([&] { fresh.getFont(FN_Test, &font); }, "getFont()");
    expectRefusal([&] { fresh.unloadTextures(); }, "unloadTextures()");
    expectRefusal([&] { fresh.unloadSounds(); }, "unloadSounds()");
    EXPECT_TRUE(texture.isNull() && sprite.isNull() && sound.isNull() && font.isNull());
}

TEST_F(Resources, CatalogueRowsFollowTheirRules) {
    const ResourceEnumeration& catalogue = *resources().getResourceEnumeration();
    EXPECT_EQ(catalogue.getSpriteTexture(SP_PLAYarmSHTG05), TX_PLAYarmSHTG01);
    EXPECT_EQ(catalogue.getSpriteTexture(SP_PLAYarmSHTG04), TX_PLAYarmSHTG01);
    EXPECT_STREQ(catalogue.getTexturePath(TX_CursorType),
                 catalogue.getTexturePath(TX_CursorCrosshair));
    EXPECT_STREQ(catalogue.getTexturePath(TX_PLAYlegD07), "spPLAYlegD07.tga");
    EXPECT_EQ(catalogue.getSpriteXoffset(SP_PLAYlegD00), 3.0f);
    EXPECT_EQ(catalogue.getSpriteYoffset(SP_PLAYlegD00), -19.0f);
    EXPECT_STREQ(catalogue.getFontPath(FN_Test), "FN_12.fnt");
    EXPECT_STREQ(catalogue.getSoundPath(SO_MU_Intro), programProfile().musicFile);
    for (int sound = 0; sound <= SO_NONE; ++sound) {
        const soundEnum value = static_cast<soundEnum>(sound);
        EXPECT_EQ(catalogue.getSoundStream(value), value == SO_MU_Metal || value == SO_MU_Intro);
        EXPECT_EQ(catalogue.getSoundExInfo(value) != nullptr, value == SO_MU_Metal);
    }
    EXPECT_EQ(catalogue.getSoundExInfo(SO_MU_Metal)->dlsname,
              engine.settings->getSOUND_midiDLSname());
}
