// The asset builder's sound files, decoded by the library as the games will
// decode them: every file is made, each decodes, and the music loops. One
// test, since making the files takes most of its time.
#include "MemorySink.h"
#include "SoundAssets.h"
#include "TestSounds.h"

#include <gtest/gtest.h>

namespace {

// The left side of `seconds` of `bytes` played looping.
std::vector<float> playLooped(const Bytes& bytes, double seconds) {
    DrivenSystem driven;
    driven.start(bytes, FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE);
    driven.advance(seconds);
    return channelOf(driven.takeCaptured(), 2, 0);
}

TEST(GeneratedSounds, EveryFileIsMadeWhereTheGamesLookAndPlaysAsTheyWill) {
    MemorySink sink;
    buildSounds(sink);
    for (const char* name :
         {"soPLAYdieYell.wav", "track003.ogg", "muIntro.ogg", "soMusMetal.mid"}) {
        ASSERT_EQ(sink.archive.count(name), 1u) << name;
    }
    ASSERT_EQ(sink.runDirectory.count("gm.dls"), 1u);
    EXPECT_EQ(sink.archive.size() + sink.runDirectory.size(), 5u);

    // The yell: a short, loud one-shot.
    DrivenSystem driven;
    FMOD_CHANNEL* channel = driven.start(sink.archive.at("soPLAYdieYell.wav"),
                                         FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, true);
    ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(1.5);
    EXPECT_FALSE(driven.isPlaying(channel));
    const std::vector<float> yell = channelOf(driven.takeCaptured(), 2, 0);
    const double seconds = static_cast<double>(audibleFrames(yell, 0.01f)) / kMixRate;
    EXPECT_GT(seconds, 0.4);
    EXPECT_LT(seconds, 1.0);
    EXPECT_GT(peakOf(yell), 0.5);

    // The music loops without a click at the seam (four bars each).
    for (const auto& [name, loop] :
         {std::pair{"muIntro.ogg", 8.0}, std::pair{"track003.ogg", 10.0}}) {
        const std::vector<float> left = playLooped(sink.archive.at(name), loop + 0.5);
        const std::size_t seam = static_cast<std::size_t>(loop * kMixRate);
        const std::size_t margin = kMixRate / 20;
        const std::vector<float> around(left.begin() + static_cast<long>(seam - margin),
                                        left.begin() + static_cast<long>(seam + margin));
        const std::vector<float> within(left.begin() + 1,
                                        left.begin() + static_cast<long>(seam - margin));
        EXPECT_GT(rmsOf(within), 0.05) << name;
        EXPECT_LE(largestStep(around), largestStep(within)) << name;
    }

    // The song plays with the bank.
    const std::string bank = writeTemporaryFile("generated.dls", sink.runDirectory.at("gm.dls"));
    const std::vector<float> song =
        renderLeft(sink.archive.at("soMusMetal.mid"), bank, 2.0,
                   FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE | FMOD_CREATESTREAM);
    EXPECT_GT(rmsOf(song), 0.02);
    std::remove(bank.c_str());
}

} // namespace
