// The asset builder's sound files, decoded by the library as the games will
// decode them: every file is made, each decodes, and the music loops.
#include "MemorySink.h"
#include "SoundAssets.h"
#include "TestSounds.h"

#include <gtest/gtest.h>

#include <map>

namespace {

const MemorySink& generated() {
    static const MemorySink sink = [] {
        MemorySink built;
        buildSounds(built);
        return built;
    }();
    return sink;
}

// The whole of one pass of a looping sound plus `extra` seconds of the next.
std::vector<float> playLooped(const Bytes& bytes, double seconds, const char* bank = nullptr) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(bytes, FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, &sound, bank), FMOD_OK);
    driven.play(sound);
    driven.advance(seconds);
    return channelOf(driven.takeCaptured(), 2, 0);
}

TEST(GeneratedSounds, AllFiveFilesAreMadeWhereTheGamesLookForThem) {
    const MemorySink& sink = generated();
    for (const char* name :
         {"soPLAYdieYell.wav", "track003.ogg", "muIntro.ogg", "soMusMetal.mid"}) {
        EXPECT_EQ(sink.archive.count(name), 1u) << name;
    }
    EXPECT_EQ(sink.runDirectory.count("gm.dls"), 1u);
    EXPECT_EQ(sink.archive.size() + sink.runDirectory.size(), 5u);
}

TEST(GeneratedSounds, YellIsAShortLoudOneShot) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(generated().archive.at("soPLAYdieYell.wav"),
                            FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, &sound),
              FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound, true);
    ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(1.5);
    EXPECT_FALSE(driven.isPlaying(channel));
    const std::vector<float> left = channelOf(driven.takeCaptured(), 2, 0);
    const double seconds = static_cast<double>(audibleFrames(left, 0.01f)) / kMixRate;
    EXPECT_GT(seconds, 0.4);
    EXPECT_LT(seconds, 1.0);
    EXPECT_GT(peakOf(left), 0.5);
}

TEST(GeneratedSounds, MusicLoopsWithoutAClickAtTheSeam) {
    struct Piece {
        const char* name;
        double seconds; // four bars
    };
    for (const Piece piece : {Piece{"muIntro.ogg", 8.0}, Piece{"track003.ogg", 10.0}}) {
        const std::vector<float> left =
            playLooped(generated().archive.at(piece.name), piece.seconds + 0.5);
        const std::size_t seam = static_cast<std::size_t>(piece.seconds * kMixRate);
        const std::size_t margin = kMixRate / 20;
        const std::vector<float> around(left.begin() + static_cast<long>(seam - margin),
                                        left.begin() + static_cast<long>(seam + margin));
        const std::vector<float> within(left.begin() + 1,
                                        left.begin() + static_cast<long>(seam - margin));
        EXPECT_GT(rmsOf(within), 0.05) << piece.name;
        EXPECT_LE(largestStep(around), largestStep(within)) << piece.name;
    }
}

TEST(GeneratedSounds, MetalSongPlaysWithTheGeneratedBank) {
    const std::string bank =
        writeTemporaryFile("generated.dls", generated().runDirectory.at("gm.dls"));
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(generated().archive.at("soMusMetal.mid"),
                            FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE | FMOD_CREATESTREAM, &sound,
                            bank.c_str()),
              FMOD_OK);
    driven.play(sound);
    driven.advance(2.0);
    EXPECT_GT(rmsOf(channelOf(driven.takeCaptured(), 2, 0)), 0.02);
    std::remove(bank.c_str());
}

} // namespace
