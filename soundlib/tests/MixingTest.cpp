// What a listener hears of a channel: pan laws, volume, loops and their
// seams, pause and release, and the mono mix, measured on the mixed output.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kToneRms = kAmplitude / std::sqrt(2.0);

Bytes toneWav(int channels, double seconds = 0.5, double hz = 440.0, int rate = 48000) {
    return encodeWav(sineWave(hz, seconds, rate, channels, kAmplitude), channels, rate,
                     WavSampleFormat::Float32);
}

std::size_t heardFrames(DrivenSystem& driven) {
    return audibleFrames(channelOf(driven.takeCaptured(), 2, 0), 1e-4f);
}

// Mono sounds: left = cos((pan + 1) pi / 4), right = sin(same); stereo
// sounds: left = min(1, 1 - pan), right = min(1, 1 + pan); both times volume.
TEST(PanAndVolume, EachSideGetsItsShare) {
    const struct {
        const char* name;
        int channels;
        float pan;
        float volume;
        double left; // of the tone's rms
        double right;
    } cases[] = {
        {"mono full left", 1, -1.0f, 1.0f, 1.0, 0.0},
        {"mono centre", 1, 0.0f, 1.0f, 0.7071, 0.7071},
        {"mono quarter left", 1, -0.5f, 1.0f, 0.9239, 0.3827},
        {"mono pan clamped to full right", 1, 7.0f, 1.0f, 0.0, 1.0},
        {"mono half volume", 1, 0.0f, 0.5f, 0.3536, 0.3536},
        {"stereo full left", 2, -1.0f, 1.0f, 1.0, 0.0},
        {"stereo full right", 2, 1.0f, 1.0f, 0.0, 1.0},
        {"stereo half right", 2, 0.5f, 1.0f, 0.5, 1.0},
        {"stereo half volume", 2, 0.0f, 0.5f, 0.5, 0.5},
        {"zero volume", 2, 0.0f, 0.0f, 0.0, 0.0},
    };
    for (const auto& c : cases) {
        DrivenSystem driven;
        FMOD_CHANNEL* channel = driven.start(toneWav(c.channels), FMOD_CREATESAMPLE, true);
        ASSERT_EQ(FMOD_Channel_SetPan(channel, c.pan), FMOD_OK);
        ASSERT_EQ(FMOD_Channel_SetVolume(channel, c.volume), FMOD_OK);
        ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
        driven.advance(0.25);
        const std::vector<float> mixed = driven.takeCaptured();
        EXPECT_NEAR(rmsOf(channelOf(mixed, 2, 0)), c.left * kToneRms, 0.003) << c.name;
        EXPECT_NEAR(rmsOf(channelOf(mixed, 2, 1)), c.right * kToneRms, 0.003) << c.name;
    }
}

TEST(Loop, LoopCountDecidesHowOftenTheSoundPlaysAndItsSeamsDoNotClick) {
    // 490 Hz at 44100 Hz: 90 frames a period, and 0.1 s is 49 whole periods,
    // so the data itself joins smoothly; resampling to 48 kHz runs across the
    // seam, where a wrong neighbour frame would jump.
    const double smoothest = 2.0 * M_PI * 490.0 / kMixRate * kAmplitude * 0.70710678;
    const struct {
        const char* name;
        FMOD_MODE mode;
        int loopCount;       // -1: not set
        double heardSeconds; // of a 0.1 s tone
    } cases[] = {
        {"loop count 0", FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, 0, 0.1},
        {"loop count 2", FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, 2, 0.3},
        {"loop count 2, stream", FMOD_LOOP_NORMAL | FMOD_CREATESTREAM, 2, 0.3},
        {"no loop mode", FMOD_CREATESAMPLE, -1, 0.1},
        {"no loop mode, loop count 3", FMOD_LOOP_OFF | FMOD_CREATESAMPLE, 3, 0.1},
    };
    for (const auto& c : cases) {
        DrivenSystem driven;
        FMOD_CHANNEL* channel = driven.start(toneWav(1, 0.1, 490.0, 44100), c.mode, true);
        if (c.loopCount >= 0) {
            ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, c.loopCount), FMOD_OK);
        }
        ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
        driven.advance(c.heardSeconds - 0.01);
        EXPECT_TRUE(driven.isPlaying(channel)) << c.name;
        driven.advance(0.3);
        EXPECT_FALSE(driven.isPlaying(channel)) << c.name;
        const std::vector<float> left = channelOf(driven.takeCaptured(), 2, 0);
        EXPECT_NEAR(static_cast<double>(audibleFrames(left, 1e-4f)), c.heardSeconds * kMixRate, 40)
            << c.name;
        // From the second frame (the first rises from silence) to just
        // before the end.
        const std::vector<float> heard = slice(left, 1.0 / kMixRate, c.heardSeconds - 0.005);
        EXPECT_LT(largestStep(heard), smoothest * 1.05) << c.name;
        EXPECT_NEAR(estimatePitch(heard, kMixRate, 300.0, 600.0), 490.0, 0.2) << c.name;
    }
}

TEST(Pause, PausedChannelIsSilentAndHoldsItsPosition) {
    DrivenSystem driven;
    FMOD_CHANNEL* channel = driven.start(toneWav(1, 0.2), FMOD_CREATESAMPLE, true);
    driven.advance(0.2);
    EXPECT_TRUE(driven.isPlaying(channel));
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0) << "started paused";
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(0.05);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, true), FMOD_OK);
    driven.takeCaptured();
    driven.advance(1.0);
    EXPECT_TRUE(driven.isPlaying(channel));
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0) << "paused";
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(0.3);
    EXPECT_FALSE(driven.isPlaying(channel));
    EXPECT_NEAR(static_cast<double>(heardFrames(driven)), 0.15 * kMixRate, 40);
}

TEST(Stream, PlayingAStreamAgainMovesItToTheNewChannel) {
    DrivenSystem driven;
    FMOD_SOUND* sound = driven.load(toneWav(1, 0.2), FMOD_CREATESTREAM);
    FMOD_CHANNEL* first = driven.play(sound);
    driven.advance(0.1);
    FMOD_CHANNEL* second = driven.play(sound);
    EXPECT_FALSE(driven.isPlaying(first));
    EXPECT_TRUE(driven.isPlaying(second));
    driven.takeCaptured();
    driven.advance(0.3);
    // The second start began from the top: the whole 0.2 s is heard again.
    EXPECT_NEAR(static_cast<double>(heardFrames(driven)), 0.2 * kMixRate, 40);
}

TEST(Mix, OverlappingChannelsAddAndReleasingASoundStopsOnlyItsChannels) {
    DrivenSystem driven;
    FMOD_SOUND* stream = driven.load(toneWav(2, 0.3), FMOD_LOOP_NORMAL | FMOD_CREATESTREAM);
    FMOD_SOUND* sample = driven.load(toneWav(2, 0.3), FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE);
    FMOD_CHANNEL* streamed = driven.play(stream);
    FMOD_CHANNEL* sampled = driven.play(sample);
    driven.play(sample);
    driven.advance(0.2);
    EXPECT_NEAR(peakOf(driven.takeCaptured()), 3 * kAmplitude, 0.01);
    ASSERT_EQ(FMOD_Sound_Release(stream), FMOD_OK);
    EXPECT_FALSE(driven.isPlaying(streamed));
    EXPECT_TRUE(driven.isPlaying(sampled));
    driven.advance(0.3);
    EXPECT_NEAR(peakOf(driven.takeCaptured()), 2 * kAmplitude, 0.01);
    EXPECT_TRUE(driven.isPlaying(sampled)) << "a looping sound without a loop count loops on";
}

TEST(MonoMix, IsTheMeanOfTheSides) {
    // A stereo sound heard on the right only: the mono mix is half of it,
    // neither the sum of the sides nor one side.
    const std::vector<float> side = sineWave(440.0, 0.2, kMixRate, 1, 0.9f);
    const std::vector<float> silence(side.size(), 0.0f);
    DrivenSystem mono(4, FMOD_SPEAKERMODE_MONO);
    mono.start(encodeWav(interleave(silence, side), 2, kMixRate, WavSampleFormat::Float32),
               FMOD_CREATESAMPLE);
    mono.advance(0.1);
    const std::vector<float> mixed = mono.takeCaptured();
    EXPECT_EQ(mixed.size(), 4800u) << "one channel of a tenth of a second";
    EXPECT_NEAR(peakOf(mixed), 0.45, 0.01);
}

} // namespace
