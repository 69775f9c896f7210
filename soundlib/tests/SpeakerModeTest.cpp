// The level of the mono mix, and stereo sounds resampled into the mix with
// different content left and right: each side keeps its own.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

namespace {

std::vector<float> interleave(const std::vector<float>& left, const std::vector<float>& right) {
    std::vector<float> frames;
    for (std::size_t i = 0; i < left.size(); ++i) {
        frames.push_back(left[i]);
        frames.push_back(right[i]);
    }
    return frames;
}

// Plays `frames` (of `channels`, at `rate`) for `seconds` into `driven`.
std::vector<float> play(DrivenSystem& driven, const std::vector<float>& frames, int channels,
                        int rate, double seconds) {
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(encodeWav(frames, channels, rate, WavSampleFormat::Pcm16),
                            FMOD_CREATESAMPLE, &sound),
              FMOD_OK);
    driven.play(sound);
    driven.advance(seconds);
    return driven.takeCaptured();
}

TEST(MonoMix, StereoIsTheMeanOfItsSidesAndMonoKeepsItsCentreLevel) {
    DrivenSystem mono(4, FMOD_SPEAKERMODE_MONO);
    // Both sides at 0.9: the mono mix is their mean, 0.9, not their sum.
    const std::vector<float> side = sineWave(440.0, 0.2, kMixRate, 1, 0.9f);
    EXPECT_NEAR(peakOf(play(mono, interleave(side, side), 2, kMixRate, 0.1)), 0.9, 0.01);
    EXPECT_EQ(mono.capturedChannels(), 1);
    // Centre pan gives each side cos(pi/4) of the sound: 0.8 becomes 0.566.
    DrivenSystem other(4, FMOD_SPEAKERMODE_MONO);
    EXPECT_NEAR(peakOf(play(other, sineWave(440.0, 0.2, kMixRate, 1, 0.8f), 1, kMixRate, 0.1)),
                0.566, 0.01);
}

TEST(Resampling, StereoSidesStayApartWhenResampled) {
    // 22,050 Hz into the 48 kHz mix: 440 Hz on the left, 1000 Hz on the right.
    const std::vector<float> left = sineWave(440.0, 0.5, 22050, 1, 0.5f);
    const std::vector<float> right = sineWave(1000.0, 0.5, 22050, 1, 0.5f);
    DrivenSystem driven;
    const std::vector<float> mix = play(driven, interleave(left, right), 2, 22050, 0.3);
    EXPECT_NEAR(measureFrequency(channelOf(mix, 2, 0), kMixRate), 440.0, 5.0);
    EXPECT_NEAR(measureFrequency(channelOf(mix, 2, 1), kMixRate), 1000.0, 10.0);
    // One side silent: nothing of the other leaks into it.
    DrivenSystem fresh;
    const std::vector<float> oneSided =
        play(fresh, interleave(left, std::vector<float>(left.size(), 0.0f)), 2, 22050, 0.3);
    EXPECT_GT(rmsOf(channelOf(oneSided, 2, 0)), 0.3);
    EXPECT_LT(peakOf(channelOf(oneSided, 2, 1)), 1e-4);
}

} // namespace
