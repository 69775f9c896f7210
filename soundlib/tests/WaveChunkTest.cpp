// WAV files as other programs write them: a RIFF size that claims more or
// less than the file holds, and sample data cut short, which plays the whole
// frames that are there and says so. A missing or cut format chunk is still
// refused.
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// 0.1 s of a 440 Hz tone, mono 16-bit at the mix rate: 4800 frames, no
// resampling. The header is 44 bytes: RIFF size at 4, "fmt " at 12, "data"
// at 36 with its length at 40.
Bytes toneWav() {
    return encodeWav(sineWave(440.0, 0.1, kMixRate, 1, 0.5f), 1, kMixRate, WavSampleFormat::Pcm16);
}

void putLittle32(Bytes& bytes, std::size_t at, std::uint32_t value) {
    std::memcpy(&bytes[at], &value, 4);
}

struct Played {
    FMOD_RESULT result;
    std::size_t audibleFrames;
    std::string standardError;
};

Played playWhole(const Bytes& wav, FMOD_MODE mode = FMOD_CREATESAMPLE) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    testing::internal::CaptureStderr();
    const FMOD_RESULT result = driven.create(wav, mode | FMOD_LOOP_OFF, &sound);
    const std::string errors = testing::internal::GetCapturedStderr();
    if (result != FMOD_OK) {
        return {result, 0, errors};
    }
    driven.play(sound);
    driven.advance(0.3);
    const std::vector<float> left = channelOf(driven.takeCaptured(), 2, 0);
    return {result, audibleFrames(left, 0.01f), errors};
}

} // namespace

TEST(WaveChunks, WrongRiffSizeIsIgnored) {
    const Bytes good = toneWav();
    std::uint32_t stated = 0;
    std::memcpy(&stated, &good[4], 4);
    for (const std::uint32_t riffSize : {stated + 82, stated - 100, 0u, 0xFFFFFFFFu}) {
        Bytes wav = good;
        putLittle32(wav, 4, riffSize);
        for (const FMOD_MODE mode : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
            const Played played = playWhole(wav, mode);
            ASSERT_EQ(played.result, FMOD_OK) << riffSize;
            EXPECT_NEAR(static_cast<double>(played.audibleFrames), 4800.0, 20.0) << riffSize;
            EXPECT_EQ(played.standardError, "") << riffSize;
        }
    }
}

TEST(WaveChunks, CutSampleDataPlaysItsWholeFramesAndSaysSo) {
    Bytes wav = toneWav();
    // Half the frames and one byte of the next.
    wav.resize(44 + 2 * 2400 + 1);
    const Played played = playWhole(wav);
    ASSERT_EQ(played.result, FMOD_OK);
    EXPECT_NEAR(static_cast<double>(played.audibleFrames), 2400.0, 20.0);
    EXPECT_EQ(played.standardError,
              "soundlib: sound data in memory: RIFF WAVE data: sample data is cut short; "
              "playing the 2400 whole frames that are there\n");

    // A data length far beyond the file is the same case.
    wav = toneWav();
    putLittle32(wav, 40, 0x7FFFFFFFu);
    const Played huge = playWhole(wav);
    ASSERT_EQ(huge.result, FMOD_OK);
    EXPECT_NEAR(static_cast<double>(huge.audibleFrames), 4800.0, 20.0);
    EXPECT_NE(huge.standardError.find("4800 whole frames"), std::string::npos)
        << huge.standardError;
}

TEST(WaveChunks, MissingOrCutFormatChunkIsRefused) {
    const Bytes good = toneWav();
    // The format chunk cut inside its body.
    const Played cut = playWhole(Bytes(good.begin(), good.begin() + 30));
    EXPECT_EQ(cut.result, FMOD_ERR_FORMAT);
    EXPECT_NE(cut.standardError.find("format chunk is cut short"), std::string::npos)
        << cut.standardError;

    // The format chunk renamed: only the data chunk is left.
    Bytes unnamed = good;
    unnamed[12] = 'x';
    const Played missing = playWhole(unnamed);
    EXPECT_EQ(missing.result, FMOD_ERR_FORMAT);
    EXPECT_NE(missing.standardError.find("lacks its format or data chunk"), std::string::npos)
        << missing.standardError;
}
