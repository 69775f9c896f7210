// The audio system over our sound library, on SDL's dummy audio driver (a
// device that takes samples and plays nothing) and with no device at all,
// and sounds loaded from the archive the asset builder wrote.
#include <cstdlib>
#include <gtest/gtest.h>
#include <physfs.h>

#include "GameArchive.h"
#include "Resources/Sound.h"
#include "TestEngine.h"

namespace {

// Chooses SDL's audio driver for the engine a test brings up.
struct AudioDriver {
    explicit AudioDriver(const char* name) { setenv("SDL_AUDIODRIVER", name, 1); }
    ~AudioDriver() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
};

} // namespace

TEST(PositionalVolume, FullInsideTheSquareFadingOverPointFourBeyond) {
    EXPECT_FLOAT_EQ(positionalVolume(0.5f, -0.9f), 1.0f);
    EXPECT_NEAR(positionalVolume(1.2f, 0), 0.5f, 1e-6);
    EXPECT_NEAR(positionalVolume(-1.1f, 1.3f), 0.25f, 1e-6);
    EXPECT_NEAR(positionalVolume(1.39f, 0), 0.025f, 1e-6);
    EXPECT_EQ(positionalVolume(1.41f, 0), 0.0f);
    EXPECT_EQ(positionalVolume(1.5f, 0), 0.0f);
    EXPECT_EQ(positionalVolume(0, -3.0f), 0.0f);
}

class Audio : public testing::Test {
  protected:
    AudioSystem& audio() { return *engine.controller->getAudioSystem(); }
    Sound& loadSound(const char* path, bool stream) {
        sound.load(path, stream, nullptr);
        return sound;
    }

    AudioDriver driver{"dummy"};
    GameArchive archive;
    TestEngine engine;
    Sound sound{engine.controller.get()};
};

TEST_F(Audio, StartsOnTheDummyDriverWithOnlyTheStartUpRefusals) {
    EXPECT_TRUE(audio().getInitialized());
    EXPECT_EQ(engine.logger->errors(),
              (std::vector<std::string>{
                  "reloadTextures() can't execute until ResourceManager is initialized.",
                  "reloadSounds() can't execute until ResourceManager is initialized."}));
}

TEST(AudioWithoutDevice, FallsBackToSilentOutputAndStillStarts) {
    AudioDriver driver("no-such-driver");
    TestEngine engine;
    EXPECT_TRUE(engine.controller->getAudioSystem()->getInitialized());
    const std::vector<std::string> errors = engine.logger->errors();
    EXPECT_NE(
        std::find(errors.begin(), errors.end(), "No drivers detected.  Setting output to nothing."),
        errors.end());
}

TEST_F(Audio, FailingUpdateLeavesAudioOff) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio().update();
    EXPECT_FALSE(audio().getInitialized());
    EXPECT_EQ(engine.logger->errors().back(), "Failed to update sound system");
    audio().update();
    EXPECT_EQ(engine.logger->errors().back(), "Failed to update sound system");
}

TEST_F(Audio, SampleDropsItsMemoryCopyAndStreamKeepsIt) {
    Sound& yell = loadSound("soPLAYdieYell.wav", false);
    EXPECT_TRUE(yell.getLoaded());
    EXPECT_FALSE(yell.holdsMemoryCopy());
    Sound music(engine.controller.get());
    music.load("muIntro.ogg", true, nullptr);
    EXPECT_TRUE(music.getLoaded());
    EXPECT_TRUE(music.holdsMemoryCopy());
    music.unload();
    EXPECT_FALSE(music.holdsMemoryCopy());
    EXPECT_EQ(music.getSound(), nullptr);
}

TEST_F(Audio, PlayOnceEndsAndLoopingKeepsPlaying) {
    Sound& yell = loadSound("soPLAYdieYell.wav", false);
    FMOD_CHANNEL* once = yell.play(false);
    FMOD_CHANNEL* looping = yell.play(2.0f, 0, true);
    ASSERT_NE(once, nullptr);
    ASSERT_NE(looping, nullptr);
    FMOD_BOOL playing = 0;
    EXPECT_EQ(FMOD_Channel_IsPlaying(looping, &playing), FMOD_OK);
    EXPECT_TRUE(playing);
}

TEST_F(Audio, ReloadAfterUnloadPlaysAgainAsAStream) {
    Sound& yell = loadSound("soPLAYdieYell.wav", false);
    yell.unload();
    EXPECT_EQ(yell.play(false), nullptr);
    yell.reload();
    EXPECT_TRUE(yell.getLoaded());
    EXPECT_TRUE(yell.holdsMemoryCopy()) << "a reloaded sound is a stream";
    EXPECT_NE(yell.play(false), nullptr);
}

TEST_F(Audio, LoadingWhileAudioIsDownStoresThePathSilently) {
    audio().uninitialize();
    const std::size_t linesBefore = engine.logger->lines.size();
    Sound& yell = loadSound("soPLAYdieYell.wav", false);
    EXPECT_FALSE(yell.getLoaded());
    EXPECT_EQ(yell.getSound(), nullptr);
    EXPECT_EQ(yell.play(false), nullptr);
    EXPECT_EQ(engine.logger->lines.size(), linesBefore);
    audio().initialize(0);
    yell.reload();
    EXPECT_TRUE(yell.getLoaded());
}

TEST_F(Audio, ManagerReloadsRegisteredSoundsWhenAudioComesBack) {
    Pointer<Sound> yell;
    engine.controller->getResourceManager()->getSound(SO_PLAYdieYell, &yell);
    ASSERT_TRUE(yell->getLoaded());
    audio().uninitialize();
    EXPECT_FALSE(yell->getLoaded());
    audio().initialize(0);
    EXPECT_TRUE(yell->getLoaded());
}

TEST_F(Audio, MidiMusicPlaysWithTheSoundBank) {
    Pointer<Sound> metal;
    engine.controller->getResourceManager()->getSound(SO_MU_Metal, &metal);
    EXPECT_TRUE(metal->getLoaded());
    EXPECT_NE(metal->play(true), nullptr);
}

TEST_F(Audio, MissingSoundFileIsFatal) {
    EXPECT_THROW(loadSound("nothere.wav", false), std::runtime_error);
    EXPECT_EQ(engine.logger->lines.back().text, "Sound file nothere.wav not found");
}
