// Every sound format decoded from memory gives back the tone that went in:
// its frequency, amplitude, length and side (resampled or not), as a sample
// and as a stream; and the
// memory the decoder reads is the caller's only while a stream plays.
#include "OggEncoder.h"
#include "SndfileDecoder.h"
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace {

constexpr double kToneHz = 440.0;
constexpr float kAmplitude = 0.5f;

// Half a second of the tone; a stereo one has it on the left only, so a
// side that leaks into the other or swaps with it shows.
std::vector<float> tone(int channels, int rate) {
    const std::vector<float> mono = sineWave(kToneHz, 0.5, rate, 1, kAmplitude);
    return channels == 1 ? mono : interleave(mono, std::vector<float>(mono.size(), 0.0f));
}

Bytes toneWav(WavSampleFormat format, int channels, int rate) {
    return encodeWav(tone(channels, rate), channels, rate, format);
}

// The middle of a capture, away from the fade-in of the first interpolated
// frame and the end of the sound.
std::vector<float> middleOf(const std::vector<float>& samples) {
    const std::size_t quarter = samples.size() / 4;
    return std::vector<float>(samples.begin() + static_cast<long>(quarter),
                              samples.end() - static_cast<long>(quarter));
}

// What plays from `sound` in `seconds`.
std::vector<float> heardFrom(DrivenSystem& driven, FMOD_SOUND* sound, double seconds) {
    driven.play(sound);
    driven.advance(seconds);
    return driven.takeCaptured();
}

TEST(Decoding, EveryFormatGivesBackItsToneAtItsFrequencyAmplitudeAndLength) {
    // A mono sound at the centre is heard at cos(pi/4) on each side.
    const double centre = kAmplitude * 0.70710678;
    const struct {
        const char* name;
        Bytes bytes;
        double left;
        double right;
        double tolerance;
    } cases[] = {
        {"8-bit mono at 22,050 Hz", toneWav(WavSampleFormat::Pcm8, 1, 22050), centre, centre, 0.02},
        {"16-bit mono at 44,100 Hz", toneWav(WavSampleFormat::Pcm16, 1, 44100), centre, centre,
         0.005},
        {"16-bit stereo at 48 kHz", toneWav(WavSampleFormat::Pcm16, 2, 48000), kAmplitude, 0.0,
         0.005},
        {"24-bit stereo at 32 kHz", toneWav(WavSampleFormat::Pcm24, 2, 32000), kAmplitude, 0.0,
         0.005},
        {"float mono at 96 kHz", toneWav(WavSampleFormat::Float32, 1, 96000), centre, centre,
         0.005},
        {"float stereo at 11,025 Hz", toneWav(WavSampleFormat::Float32, 2, 11025), kAmplitude, 0.0,
         0.01},
        {"Ogg Vorbis stereo at 44,100 Hz", encodeOggVorbis(tone(2, 44100), 2, 44100, 0.5f),
         kAmplitude, 0.0, 0.03},
    };
    for (const auto& c : cases) {
        for (FMOD_MODE mode : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
            SCOPED_TRACE(std::string(c.name) +
                         (mode == FMOD_CREATESAMPLE ? ", sample" : ", stream"));
            DrivenSystem driven;
            const std::vector<float> mix = heardFrom(driven, driven.load(c.bytes, mode), 0.7);
            const std::vector<float> left = channelOf(mix, 2, 0);
            EXPECT_NEAR(estimatePitch(middleOf(left), kMixRate, 300.0, 600.0), kToneHz, 0.5);
            EXPECT_NEAR(peakOf(middleOf(left)), c.left, c.tolerance);
            EXPECT_NEAR(peakOf(middleOf(channelOf(mix, 2, 1))), c.right, c.tolerance);
            EXPECT_NEAR(static_cast<double>(audibleFrames(left, 0.01f)), 0.5 * kMixRate,
                        0.002 * kMixRate);
        }
    }
}

// A sample is decoded when created: the caller's memory may go. A stream
// (which wins when both modes are set) decodes while it plays: the caller's
// memory must stay, and silencing it now is heard.
TEST(SampleMemory, SampleNeedsNoCallerMemoryAfterCreationAndAStreamDoes) {
    Bytes bytes = toneWav(WavSampleFormat::Pcm16, 1, 48000);
    DrivenSystem driven;
    FMOD_SOUND* sample = nullptr;
    FMOD_SOUND* stream = nullptr;
    ASSERT_EQ(createSoundFromMemory(driven.system(), bytes, FMOD_CREATESAMPLE, &sample), FMOD_OK);
    ASSERT_EQ(createSoundFromMemory(driven.system(), bytes, FMOD_CREATESAMPLE | FMOD_CREATESTREAM,
                                    &stream),
              FMOD_OK);
    std::fill(bytes.begin() + 44, bytes.end(), 0);
    EXPECT_LT(peakOf(heardFrom(driven, stream, 0.6)), 0.001);
    const std::vector<float> left = channelOf(heardFrom(driven, sample, 0.4), 2, 0);
    EXPECT_NEAR(estimatePitch(middleOf(left), kMixRate, 300.0, 600.0), kToneHz, 0.5);
}

// The decoder's reads go where libsndfile seeks: a seek outside the block
// would send the next read past its end.
TEST(MemoryFile, SeeksStayInsideTheBlock) {
    const std::uint8_t block[10] = {};
    // How, how far, and the position it leads to from the middle (-1: none).
    const std::tuple<int, sf_count_t, sf_count_t> cases[] = {
        {SEEK_SET, 10, 10}, {SEEK_CUR, 6, -1}, {SEEK_END, -10, 0}, {SEEK_CUR, -6, -1}};
    for (const auto& [whence, offset, position] : cases) {
        soundlib::MemoryFile memory{block, sizeof block, 5};
        EXPECT_EQ(soundlib::seekMemory(memory, offset, whence), position) << whence << offset;
        EXPECT_EQ(memory.position, position < 0 ? 5u : static_cast<std::size_t>(position));
    }
}

} // namespace
