// Every sound format decoded from memory gives back the tone that went in:
// its frequency and its amplitude, as a sample and as a stream.
#include "OggEncoder.h"
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace {

constexpr double kToneHz = 440.0;
constexpr float kAmplitude = 0.5f;
// A mono sound at the centre is heard at cos(pi/4) on each side.
constexpr double kCentreGain = 0.70710678;

struct WaveCase {
    WavSampleFormat format;
    int channels;
    int rate;
    double amplitudeTolerance;
};

std::string caseName(const ::testing::TestParamInfo<WaveCase>& info) {
    static const char* formats[] = {"Pcm8", "Pcm16", "Pcm24", "Float32"};
    return std::string(formats[static_cast<int>(info.param.format)]) +
           (info.param.channels == 1 ? "Mono" : "Stereo") + std::to_string(info.param.rate);
}

// Plays `bytes` once and returns the left side of what was mixed.
std::vector<float> playAndCapture(const Bytes& bytes, FMOD_MODE mode, double seconds) {
    DrivenSystem driven;
    driven.start(bytes, mode);
    driven.advance(seconds);
    return channelOf(driven.takeCaptured(), 2, 0);
}

// The middle of a capture, away from the fade-in of the first interpolated
// frame and the end of the sound.
std::vector<float> middleOf(const std::vector<float>& samples) {
    const std::size_t quarter = samples.size() / 4;
    return std::vector<float>(samples.begin() + static_cast<long>(quarter),
                              samples.end() - static_cast<long>(quarter));
}

class WaveDecoding : public ::testing::TestWithParam<WaveCase> {};

TEST_P(WaveDecoding, ToneComesBackAtItsFrequencyAndAmplitude) {
    const WaveCase& c = GetParam();
    const Bytes wav = encodeWav(sineWave(kToneHz, 0.5, c.rate, c.channels, kAmplitude), c.channels,
                                c.rate, c.format);
    for (FMOD_MODE mode : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
        const std::vector<float> left = middleOf(playAndCapture(wav, mode, 0.4));
        ASSERT_FALSE(left.empty());
        EXPECT_NEAR(measureFrequency(left, kMixRate), kToneHz, 0.5) << "mode " << mode;
        const double expected = kAmplitude * (c.channels == 1 ? kCentreGain : 1.0);
        EXPECT_NEAR(peakOf(left), expected, c.amplitudeTolerance) << "mode " << mode;
    }
}

INSTANTIATE_TEST_SUITE_P(AllSampleFormats, WaveDecoding,
                         ::testing::Values(WaveCase{WavSampleFormat::Pcm8, 1, 22050, 0.02},
                                           WaveCase{WavSampleFormat::Pcm16, 1, 44100, 0.005},
                                           WaveCase{WavSampleFormat::Pcm16, 2, 48000, 0.005},
                                           WaveCase{WavSampleFormat::Pcm24, 2, 32000, 0.005},
                                           WaveCase{WavSampleFormat::Float32, 1, 96000, 0.005},
                                           WaveCase{WavSampleFormat::Float32, 2, 11025, 0.01}),
                         caseName);

TEST(OggDecoding, ToneComesBackAtItsFrequencyAmplitudeAndLength) {
    const Bytes ogg = encodeOggVorbis(sineWave(kToneHz, 0.5, 44100, 2, kAmplitude), 2, 44100, 0.5f);
    for (FMOD_MODE mode : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
        const std::vector<float> left = playAndCapture(ogg, mode, 0.7);
        EXPECT_NEAR(measureFrequency(middleOf(left), kMixRate), kToneHz, 0.5);
        EXPECT_NEAR(peakOf(middleOf(left)), kAmplitude, 0.03);
        EXPECT_NEAR(static_cast<double>(audibleFrames(left, 0.01f)), 0.5 * kMixRate,
                    0.002 * kMixRate);
    }
}

TEST(SampleMemory, SampleNeedsNoCallerMemoryAfterCreation) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    {
        auto bytes = std::make_unique<Bytes>(encodeWav(sineWave(kToneHz, 0.5, 48000, 2, kAmplitude),
                                                       2, 48000, WavSampleFormat::Pcm16));
        ASSERT_EQ(createSoundFromMemory(driven.system(), *bytes, FMOD_CREATESAMPLE, &sound),
                  FMOD_OK);
        std::fill(bytes->begin(), bytes->end(), 0x55);
    } // freed: reading it now would be caught by AddressSanitizer
    driven.play(sound);
    driven.advance(0.4);
    const std::vector<float> left = middleOf(channelOf(driven.takeCaptured(), 2, 0));
    EXPECT_NEAR(measureFrequency(left, kMixRate), kToneHz, 0.5);
}

TEST(SampleMemory, StreamWinsWhenBothModesAreSet) {
    const Bytes wav =
        encodeWav(sineWave(kToneHz, 0.5, 48000, 1, kAmplitude), 1, 48000, WavSampleFormat::Pcm16);
    Bytes bytes = wav;
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(createSoundFromMemory(driven.system(), bytes, FMOD_CREATESAMPLE | FMOD_CREATESTREAM,
                                    &sound),
              FMOD_OK);
    // A stream decodes while it plays: silencing its data block now is heard.
    Bytes silent = encodeWav(std::vector<float>(24000, 0.0f), 1, 48000, WavSampleFormat::Pcm16);
    std::copy(silent.begin() + 44, silent.end(), bytes.begin() + 44);
    driven.play(sound);
    driven.advance(0.4);
    EXPECT_LT(peakOf(driven.takeCaptured()), 0.001);
}

} // namespace
