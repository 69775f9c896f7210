// What a listener hears of a channel: pan, volume, loops and their seams,
// pause and release, measured on the mixed output.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kAmplitude = 0.5f;

Bytes toneWav(int channels, double seconds = 0.5, double hz = 440.0, int rate = 48000) {
    return encodeWav(sineWave(hz, seconds, rate, channels, kAmplitude), channels, rate,
                     WavSampleFormat::Float32);
}

struct Sides {
    double left;
    double right;
};

Sides sidesAfter(DrivenSystem& driven, double seconds) {
    driven.advance(seconds);
    const std::vector<float> mixed = driven.takeCaptured();
    return {rmsOf(channelOf(mixed, 2, 0)), rmsOf(channelOf(mixed, 2, 1))};
}

Sides playPanned(int channels, float pan, float volume = 1.0f) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(toneWav(channels), FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound, true);
    EXPECT_EQ(FMOD_Channel_SetPan(channel, pan), FMOD_OK);
    EXPECT_EQ(FMOD_Channel_SetVolume(channel, volume), FMOD_OK);
    EXPECT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    return sidesAfter(driven, 0.25);
}

TEST(Pan, FullLeftSilencesTheRightSide) {
    for (int channels : {1, 2}) {
        const Sides sides = playPanned(channels, -1.0f);
        EXPECT_GT(sides.left, 0.3) << channels << " channels";
        EXPECT_LT(sides.right, 1e-6) << channels << " channels";
    }
}

TEST(Pan, FullRightSilencesTheLeftSide) {
    for (int channels : {1, 2}) {
        const Sides sides = playPanned(channels, 1.0f);
        EXPECT_LT(sides.left, 1e-6) << channels << " channels";
        EXPECT_GT(sides.right, 0.3) << channels << " channels";
    }
}

TEST(Pan, MonoKeepsItsPowerAcrossThePanRange) {
    const double full = kAmplitude / std::sqrt(2.0); // rms of the tone
    for (float pan : {-1.0f, -0.5f, 0.0f, 0.3f, 1.0f}) {
        const Sides sides = playPanned(1, pan);
        EXPECT_NEAR(sides.left * sides.left + sides.right * sides.right, full * full, 1e-3)
            << "pan " << pan;
    }
}

TEST(Pan, StereoAtHalfRightHalvesTheLeftSideOnly) {
    const Sides sides = playPanned(2, 0.5f);
    EXPECT_NEAR(sides.left / sides.right, 0.5, 0.01);
    EXPECT_NEAR(sides.right, kAmplitude / std::sqrt(2.0), 0.01);
}

TEST(Pan, OutOfRangePanIsClamped) {
    const Sides sides = playPanned(1, 7.0f);
    EXPECT_LT(sides.left, 1e-6);
}

TEST(Volume, HalfVolumeHalvesTheAmplitude) {
    for (int channels : {1, 2}) {
        const Sides full = playPanned(channels, 0.0f, 1.0f);
        const Sides half = playPanned(channels, 0.0f, 0.5f);
        EXPECT_NEAR(half.left / full.left, 0.5, 0.005) << channels << " channels";
        EXPECT_NEAR(half.right / full.right, 0.5, 0.005) << channels << " channels";
    }
}

TEST(Volume, ZeroVolumeIsSilentButKeepsPlaying) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(1), FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound);
    ASSERT_EQ(FMOD_Channel_SetVolume(channel, 0.0f), FMOD_OK);
    driven.advance(1.0);
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0);
    EXPECT_TRUE(driven.isPlaying(channel));
}

TEST(Loop, LoopCountZeroPlaysOnceAndThenStops) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(1, 0.1), FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE, &sound),
              FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound, true);
    ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(0.09);
    EXPECT_TRUE(driven.isPlaying(channel));
    driven.advance(0.2);
    EXPECT_FALSE(driven.isPlaying(channel));
    const std::size_t heard = audibleFrames(channelOf(driven.takeCaptured(), 2, 0), 1e-4f);
    EXPECT_NEAR(static_cast<double>(heard), 0.1 * kMixRate, 40);
}

TEST(Loop, LoopCountTwoPlaysThreeTimes) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(2, 0.1), FMOD_LOOP_NORMAL | FMOD_CREATESTREAM, &sound),
              FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound, true);
    ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, 2), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(0.5);
    EXPECT_FALSE(driven.isPlaying(channel));
    const std::size_t heard = audibleFrames(channelOf(driven.takeCaptured(), 2, 0), 1e-4f);
    EXPECT_NEAR(static_cast<double>(heard), 0.3 * kMixRate, 40);
}

TEST(Loop, SoundWithoutLoopModePlaysOnce) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(1, 0.1), FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound);
    driven.advance(0.3);
    EXPECT_FALSE(driven.isPlaying(channel));
}

TEST(Loop, LoopingSoundWrapsWithoutAClick) {
    // 490 Hz at 44100 Hz: 90 frames a period, and 0.1 s is 49 whole periods,
    // so the data itself joins smoothly; resampling to 48 kHz runs across the
    // seam, where a wrong neighbour frame would jump.
    for (FMOD_MODE kind : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
        DrivenSystem driven;
        FMOD_SOUND* sound = nullptr;
        ASSERT_EQ(driven.create(toneWav(1, 0.1, 490.0, 44100), FMOD_LOOP_NORMAL | kind, &sound),
                  FMOD_OK);
        FMOD_CHANNEL* channel = driven.play(sound);
        driven.advance(0.55);
        EXPECT_TRUE(driven.isPlaying(channel));
        const std::vector<float> left = channelOf(driven.takeCaptured(), 2, 0);
        const double smoothest = 2.0 * M_PI * 490.0 / kMixRate * kAmplitude * 0.70710678;
        // Skip the first frame, which rises from silence.
        EXPECT_LT(largestStep(std::vector<float>(left.begin() + 1, left.end())), smoothest * 1.05);
        EXPECT_NEAR(measureFrequency(left, kMixRate), 490.0, 0.2);
    }
}

TEST(Pause, PausedChannelHoldsItsPosition) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(1, 0.2), FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound);
    driven.advance(0.05);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, true), FMOD_OK);
    driven.takeCaptured();
    driven.advance(1.0);
    EXPECT_TRUE(driven.isPlaying(channel));
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(0.3);
    EXPECT_FALSE(driven.isPlaying(channel));
    const std::size_t heard = audibleFrames(channelOf(driven.takeCaptured(), 2, 0), 1e-4f);
    EXPECT_NEAR(static_cast<double>(heard), 0.15 * kMixRate, 40);
}

TEST(Pause, ChannelStartedPausedIsSilent) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(1), FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound, true);
    driven.advance(0.2);
    EXPECT_TRUE(driven.isPlaying(channel));
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0);
}

TEST(Release, ReleasingASoundStopsItsChannels) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(2), FMOD_LOOP_NORMAL | FMOD_CREATESTREAM, &sound), FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound);
    driven.advance(0.1);
    ASSERT_EQ(FMOD_Sound_Release(sound), FMOD_OK);
    EXPECT_FALSE(driven.isPlaying(channel));
    driven.takeCaptured();
    driven.advance(0.1);
    EXPECT_EQ(peakOf(driven.takeCaptured()), 0.0);
}

TEST(Stream, PlayingAStreamAgainMovesItToTheNewChannel) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(1, 0.2), FMOD_CREATESTREAM, &sound), FMOD_OK);
    FMOD_CHANNEL* first = driven.play(sound);
    driven.advance(0.1);
    FMOD_CHANNEL* second = driven.play(sound);
    EXPECT_FALSE(driven.isPlaying(first));
    EXPECT_TRUE(driven.isPlaying(second));
    driven.takeCaptured();
    driven.advance(0.3);
    // The second start began from the top: the whole 0.2 s is heard again.
    const std::size_t heard = audibleFrames(channelOf(driven.takeCaptured(), 2, 0), 1e-4f);
    EXPECT_NEAR(static_cast<double>(heard), 0.2 * kMixRate, 40);
}

TEST(Mix, OverlappingChannelsAdd) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(toneWav(2, 0.3), FMOD_CREATESAMPLE, &sound), FMOD_OK);
    FMOD_CHANNEL* channels[2] = {driven.play(sound, true), driven.play(sound, true)};
    for (FMOD_CHANNEL* channel : channels) {
        ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    }
    driven.advance(0.2);
    EXPECT_NEAR(peakOf(driven.takeCaptured()), 2 * kAmplitude, 0.01);
}

} // namespace
