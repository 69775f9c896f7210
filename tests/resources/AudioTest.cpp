// The audio system over our sound library, on SDL's dummy audio driver (a
// device that takes samples and plays nothing) and with no device at all,
// and sounds loaded from the archive the asset builder wrote.
#include <cstdlib>

#include "ResourceFixture.h"
#include "Resources/Sound.h"

TEST(PositionalVolume, FullInsideTheSquareFadingOverPointFourBeyond) {
    EXPECT_FLOAT_EQ(positionalVolume(0.5f, -0.9f), 1.0f);
    EXPECT_NEAR(positionalVolume(1.2f, 0), 0.5f, 1e-6);
    EXPECT_NEAR(positionalVolume(-1.1f, 1.3f), 0.25f, 1e-6);
    EXPECT_NEAR(positionalVolume(1.39f, 0), 0.025f, 1e-6);
    EXPECT_EQ(positionalVolume(1.41f, 0), 0.0f);
    EXPECT_EQ(positionalVolume(0, -3.0f), 0.0f);
}

TEST(AudioWithoutDevice, FallsBackToSilentOutputAndStillStarts) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    TestEngine engine;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(engine.controller->getAudioSystem()->getInitialized());
    const std::vector<std::string> errors = engine.logger->errors();
    EXPECT_NE(
        std::find(errors.begin(), errors.end(), "No drivers detected.  Setting output to nothing."),
        errors.end());
}

class Audio : public ResourceTest {
  protected:
    AudioSystem& audio() { return *engine.controller->getAudioSystem(); }

    Sound yell{engine.controller.get()};
};

TEST_F(Audio, FailingUpdateLeavesAudioOff) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audio().update();
    EXPECT_FALSE(audio().getInitialized());
    EXPECT_EQ(engine.logger->errors().back(), "Failed to update sound system");
    audio().update();
    EXPECT_EQ(engine.logger->errors().back(), "Failed to update sound system");
}

// A sample is decoded once and drops its file's bytes; a stream (music, or
// any sound reloaded) keeps them to read from while it plays.
TEST_F(Audio, SamplesPlayOnceOrLoopAndComeBackAsStreams) {
    yell.load("soPLAYdieYell.wav", false, nullptr);
    EXPECT_TRUE(yell.getLoaded());
    EXPECT_FALSE(yell.holdsMemoryCopy());
    ASSERT_NE(yell.play(false), nullptr);
    FMOD_BOOL playing = 0;
    EXPECT_EQ(FMOD_Channel_IsPlaying(yell.play(2.0f, 0, true), &playing), FMOD_OK);
    EXPECT_TRUE(playing);

    yell.unload();
    EXPECT_EQ(yell.play(false), nullptr);
    yell.reload();
    EXPECT_TRUE(yell.getLoaded());
    EXPECT_TRUE(yell.holdsMemoryCopy()) << "a reloaded sound is a stream";
    EXPECT_NE(yell.play(false), nullptr);

    Sound music(engine.controller.get());
    music.load("muIntro.ogg", true, nullptr);
    EXPECT_TRUE(music.holdsMemoryCopy());
    music.unload();
    EXPECT_FALSE(music.holdsMemoryCopy());
}

// Registered sounds come back with the audio; one loaded meanwhile only
// keeps its path, without a word, until it is reloaded.
TEST_F(Audio, SoundsLoadedWhileAudioIsDownWaitSilentlyAndRegisteredOnesComeBack) {
    Pointer<Sound> registered;
    resources().getSound(SO_PLAYdieYell, &registered);
    ASSERT_TRUE(registered->getLoaded());
    audio().uninitialize();
    EXPECT_FALSE(registered->getLoaded());
    const std::size_t linesBefore = engine.logger->lines.size();
    yell.load("soPLAYdieYell.wav", false, nullptr);
    EXPECT_FALSE(yell.getLoaded());
    EXPECT_EQ(yell.play(false), nullptr);
    EXPECT_EQ(engine.logger->lines.size(), linesBefore);
    audio().initialize(0);
    EXPECT_TRUE(registered->getLoaded());
    yell.reload();
    EXPECT_TRUE(yell.getLoaded());
}
