// Every sound format decoded from memory gives back the tone that went in:
// its frequency, amplitude, length and side (resampled or not), as a sample
// and as a stream, and the memory the decoder reads is the caller's only
// while a stream plays. WAV files as other programs write them play what
// they hold; malformed data of every format is refused with a line saying
// what is wrong, never a crash (run under AddressSanitizer to catch reads
// out of bounds).
#include "OggEncoder.h"
#include "SndfileDecoder.h"
#include "TestSounds.h"
#include "WavWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <tuple>

namespace {

constexpr double kToneHz = 440.0;

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

Bytes randomBytes(std::size_t count, unsigned seed, const std::string& magic = "") {
    std::mt19937 random(seed);
    Bytes bytes(count);
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<std::uint8_t>(random()); });
    std::copy(magic.begin(), magic.end(), bytes.begin());
    return bytes;
}

Bytes little32(std::uint32_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes changed(Bytes bytes, std::size_t at, const Bytes& values) {
    std::copy(values.begin(), values.end(), bytes.begin() + static_cast<long>(at));
    return bytes;
}

Bytes cut(const Bytes& bytes, std::size_t keep) {
    return Bytes(bytes.begin(), bytes.begin() + static_cast<long>(keep));
}

// The stream as far as the start of its last page, which carries the end.
Bytes withoutLastPage(const Bytes& ogg) {
    const std::string page = "OggS";
    return Bytes(ogg.begin(), std::find_end(ogg.begin(), ogg.end(), page.begin(), page.end()));
}

struct Outcome {
    FMOD_RESULT result;
    std::size_t heardFrames;
    std::string said;
};

// Creates a sound from `bytes` and plays it out: what was heard and said.
Outcome createAndPlay(const Bytes& bytes, FMOD_MODE mode) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ::testing::internal::CaptureStderr();
    const FMOD_RESULT result = driven.create(bytes, mode, &sound, "no-bank-needed.dls");
    const std::string said = ::testing::internal::GetCapturedStderr();
    if (result != FMOD_OK) {
        EXPECT_EQ(sound, nullptr);
        return {result, 0, said};
    }
    driven.play(sound);
    driven.advance(0.6);
    return {result, audibleFrames(channelOf(driven.takeCaptured(), 2, 0), 0.01f), said};
}

struct Case {
    std::string name;
    Bytes bytes;
    std::size_t frames; // heard; none: refused
    std::string said;   // all that is said of a sound that plays, part of it for one refused
};

// WAV files as other programs write them play what they hold: the RIFF size
// is unused, chunks of odd length have a pad byte, sample data cut short
// (or a data length beyond the file) plays its whole frames and says so.
// Damaged headers, truncations anywhere before the sample data and random
// data behind each format's magic are refused.
TEST(BadInput, OddWavesPlayWhatTheyHoldAndMalformedDataOfEveryFormatIsRefused) {
    // Mono 16-bit at the mix rate: 24000 frames. The header is 44 bytes: RIFF
    // size at 4, "fmt " at 12, channels at 22, "data" at 36, its length at 40.
    const Bytes wav = toneWav(WavSampleFormat::Pcm16, 1, kMixRate);
    // Long enough for several pages of sound after the header pages.
    const Bytes ogg = encodeOggVorbis(sineWave(440.0, 1.0, 22050, 1, 0.5f), 1, 22050, 0.3f);
    // One note; its first event starts at byte 22.
    const Bytes midi = midiFile({0, 0x90, 60, 100, 96, 0x80, 60, 0, 0, 0xFF, 0x2F, 0});
    const auto stated = static_cast<std::uint32_t>(wav.size() - 8);
    Bytes oddChunkBeforeData = cut(wav, 36);
    oddChunkBeforeData.insert(oddChunkBeforeData.end(),
                              {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0});
    oddChunkBeforeData.insert(oddChunkBeforeData.end(), wav.begin() + 36, wav.end());
    const std::string cutShort = "soundlib: sound data in memory: RIFF WAVE data: sample data is "
                                 "cut short; playing the ";
    std::vector<Case> cases = {
        {"RIFF size too large", changed(wav, 4, little32(stated + 82)), 24000, ""},
        {"RIFF size too small", changed(wav, 4, little32(stated - 100)), 24000, ""},
        {"RIFF size 0", changed(wav, 4, little32(0)), 24000, ""},
        {"RIFF size ~0", changed(wav, 4, little32(~0u)), 24000, ""},
        {"odd chunk and its pad byte before the data", oddChunkBeforeData, 24000, ""},
        // Half the frames and one byte of the next.
        {"data cut", cut(wav, 44 + 2 * 2400 + 1), 2400,
         cutShort + "2400 whole frames that are there\n"},
        {"data length beyond the file", changed(wav, 40, little32(0x7FFFFFFFu)), 24000,
         cutShort + "24000 whole frames that are there\n"},
        {"empty", Bytes(), 0, ""},
        {"random", randomBytes(4096, 1), 0, "neither RIFF WAVE"},
        {"huge fmt chunk", changed(wav, 16, little32(0xFFFFFFF0u)), 0, "format chunk is cut short"},
        {"fmt chunk cut", cut(wav, 30), 0, "format chunk is cut short"},
        {"fmt chunk renamed", changed(wav, 12, {'x'}), 0, "lacks its format or data chunk"},
        {"data chunk renamed", changed(wav, 36, {'x'}), 0, "lacks its format or data chunk"},
        {"200 channels", changed(wav, 22, {200}), 0, "has 200 channels"},
        {"3 channels",
         encodeWav(sineWave(440.0, 0.1, kMixRate, 3, 0.5f), 3, kMixRate, WavSampleFormat::Pcm16), 0,
         "has 3 channels; only mono and stereo are played"},
        {"ogg segment table past the end", changed(ogg, 26, {255}), 0, "Ogg page"},
        {"ogg cut at a page", withoutLastPage(ogg), 0, "Ogg stream stops before its end"},
        {"huge MThd", changed(midi, 4, {0x7F}), 0, "header chunk has a bad length"},
        {"huge MTrk", changed(midi, 18, {0x7F}), 0, "chunk runs past the end"},
        {"endless delta time", changed(midi, 22, {0xFF, 0xFF, 0xFF, 0xFF}), 0, "bad delta time"},
        {"delta time of five bytes", changed(midi, 22, {0x80, 0x80, 0x80, 0x80}), 0,
         "bad delta time"},
        {"tempo of zero", midiFile({0, 0xFF, 0x51, 3, 0, 0, 0, 0, 0xFF, 0x2F, 0}), 0,
         "tempo of zero"},
        {"MIDI format 2", changed(midi, 9, {2}), 0, "MIDI format 2 is not played"},
        {"MIDI without tracks", cut(midi, 14), 0, "no tracks"},
    };
    for (std::size_t keep : {4, 12, 40}) {
        cases.push_back({"WAV cut to " + std::to_string(keep), cut(wav, keep), 0, ""});
    }
    for (const Bytes& good : {ogg, midi}) {
        for (std::size_t keep :
             {std::size_t{4}, std::size_t{12}, std::size_t{30}, good.size() / 2, good.size() - 1}) {
            cases.push_back({"cut to " + std::to_string(keep), cut(good, keep), 0, ""});
        }
    }
    for (unsigned seed = 0; seed < 20; ++seed) {
        for (const auto& [format, magic] :
             {std::pair{"WAV", std::string("RIFF\xc8\x07\0\0WAVE", 12)},
              std::pair{"Ogg", std::string("OggS")},
              std::pair{"MIDI", std::string("MThd\0\0\0\6", 8)}}) {
            cases.push_back(
                {std::string("random ") + format, randomBytes(2000, seed, magic), 0, ""});
        }
    }
    for (const Case& c : cases) {
        for (FMOD_MODE mode : {FMOD_CREATESAMPLE, FMOD_CREATESTREAM}) {
            SCOPED_TRACE(c.name + (mode == FMOD_CREATESAMPLE ? ", sample" : ", stream"));
            const Outcome outcome = createAndPlay(c.bytes, mode);
            if (c.frames == 0) {
                EXPECT_NE(outcome.result, FMOD_OK);
                EXPECT_NE(outcome.said.find(c.said), std::string::npos) << outcome.said;
            } else {
                ASSERT_EQ(outcome.result, FMOD_OK);
                EXPECT_NEAR(static_cast<double>(outcome.heardFrames), c.frames, 20.0);
                EXPECT_EQ(outcome.said, c.said);
            }
        }
    }
}

TEST(BadInput, BadArgumentsAndMissingFilesAreRefused) {
    DrivenSystem driven;
    FMOD_CREATESOUNDEXINFO info{};
    info.cbsize = sizeof info - 1;
    info.length = 10;
    FMOD_SOUND* sound = nullptr;
    const char data[] = "RIFF";
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), data, FMOD_OPENMEMORY, &info, &sound),
              FMOD_ERR_INVALID_PARAM);
    info.cbsize = sizeof info;
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), nullptr, FMOD_OPENMEMORY, &info, &sound),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), data, FMOD_OPENMEMORY, nullptr, &sound),
              FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(FMOD_System_CreateSound(driven.system(), "no/such/sound.wav", FMOD_DEFAULT, nullptr,
                                      &sound),
              FMOD_ERR_FILE_NOTFOUND);
}

} // namespace
