// MIDI rendered with a DLS bank: the generated song with the generated
// "gm.dls", notes at their pitch, loops, and every way a bank can be missing
// or bad.
#include "DlsCheck.h"
#include "DlsWriter.h"
#include "GmBank.h"
#include "MetalSong.h"
#include "MidiFile.h"
#include "MidiWriter.h"
#include "TestSounds.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <unistd.h>

namespace {

// One bank file per test process, written from the asset generator.
const std::string& bankPath() {
    static const std::string path =
        writeTemporaryFile("midi-test.dls", encodeDlsBank("test bank", metalSongInstruments()));
    return path;
}

Bytes readBank() {
    std::ifstream file(bankPath(), std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// One bar at 120 beats a minute (two seconds) with one note.
Bytes oneNoteSong(int program, int key, bool drum, double beats = 3.0) {
    const int channel = drum ? 9 : 0;
    MidiTrack track("test");
    track.tempo(0, 120.0);
    if (!drum) {
        track.program(0, channel, program);
    }
    track.note(0, static_cast<std::uint32_t>(beats * 480), channel, key, 110);
    track.end(4 * 480);
    return encodeMidiFile({track}, 480);
}

std::vector<float> renderLeft(const Bytes& song, double seconds, FMOD_MODE kind) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(song, kind, &sound, bankPath().c_str()), FMOD_OK);
    if (sound == nullptr) {
        return {};
    }
    driven.play(sound);
    driven.advance(seconds);
    return channelOf(driven.takeCaptured(), 2, 0);
}

std::vector<float> slice(const std::vector<float>& samples, double from, double to) {
    const auto at = [&](double seconds) {
        return samples.begin() +
               static_cast<long>(std::min(seconds * kMixRate, static_cast<double>(samples.size())));
    };
    return std::vector<float>(at(from), at(to));
}

TEST(MidiRendering, GeneratedSongPlaysWithTheGeneratedBank) {
    const std::vector<float> left = renderLeft(composeMetalSong(), 4.0, FMOD_CREATESTREAM);
    ASSERT_EQ(left.size(), 4u * kMixRate);
    for (double second = 0.0; second < 4.0; second += 1.0) {
        EXPECT_GT(rmsOf(slice(left, second, second + 1.0)), 0.02) << "at " << second << " s";
    }
    EXPECT_LE(peakOf(left), 1.0);
}

struct PitchCase {
    int program;
    int key;
};

class MidiPitch : public ::testing::TestWithParam<PitchCase> {};

TEST_P(MidiPitch, NoteSoundsWithinASemitoneOfItsPitch) {
    const PitchCase& c = GetParam();
    const std::vector<float> left =
        slice(renderLeft(oneNoteSong(c.program, c.key, false), 1.0, FMOD_CREATESTREAM), 0.3, 0.9);
    const double expected = 440.0 * std::pow(2.0, (c.key - 69) / 12.0);
    const double measured = estimatePitch(left, kMixRate, expected / 1.5, expected * 1.5);
    EXPECT_NEAR(12.0 * std::log2(measured / expected), 0.0, 1.0)
        << "measured " << measured << " Hz, expected " << expected << " Hz";
}

INSTANTIATE_TEST_SUITE_P(SongInstruments, MidiPitch,
                         ::testing::Values(PitchCase{metal::kLead, 69}, PitchCase{metal::kLead, 76},
                                           PitchCase{metal::kRhythmGuitar, 45},
                                           PitchCase{metal::kRhythmGuitar, 52},
                                           PitchCase{metal::kBass, 33}),
                         [](const ::testing::TestParamInfo<PitchCase>& info) {
                             return "Program" + std::to_string(info.param.program) + "Key" +
                                    std::to_string(info.param.key);
                         });

TEST(MidiRendering, EveryDrumKeyOfTheSongSounds) {
    for (int key : {metal::kKick, metal::kSnare, metal::kClosedHat, metal::kCrash}) {
        const std::vector<float> left =
            renderLeft(oneNoteSong(0, key, true, 0.5), 0.3, FMOD_CREATESTREAM);
        EXPECT_GT(peakOf(left), 0.006) << "drum key " << key;
    }
}

TEST(MidiRendering, HeldNoteSustainsThroughItsSampleLoop) {
    // The guitar's sample is a fraction of a second long; the note lasts 1.5 s.
    const std::vector<float> left =
        renderLeft(oneNoteSong(metal::kRhythmGuitar, 40, false), 1.5, FMOD_CREATESTREAM);
    const double early = rmsOf(slice(left, 0.2, 0.4));
    const double late = rmsOf(slice(left, 1.2, 1.4));
    EXPECT_GT(early, 0.006);
    EXPECT_NEAR(late / early, 1.0, 0.25);
}

TEST(MidiRendering, SongCreatedAsASampleSoundsLikeTheStream) {
    const Bytes song = oneNoteSong(metal::kLead, 69, false);
    const std::vector<float> stream = renderLeft(song, 1.0, FMOD_CREATESTREAM);
    const std::vector<float> sample = renderLeft(song, 1.0, FMOD_CREATESAMPLE);
    EXPECT_NEAR(rmsOf(sample), rmsOf(stream), 0.1 * rmsOf(stream));
}

TEST(MidiLoop, SongPlaysOnceWithLoopCountZero) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(oneNoteSong(metal::kLead, 69, false),
                            FMOD_LOOP_NORMAL | FMOD_CREATESTREAM, &sound, bankPath().c_str()),
              FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound, true);
    ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
    ASSERT_EQ(FMOD_Channel_SetPaused(channel, false), FMOD_OK);
    driven.advance(1.95);
    EXPECT_TRUE(driven.isPlaying(channel));
    driven.advance(0.1);
    EXPECT_FALSE(driven.isPlaying(channel));
}

TEST(MidiLoop, LoopingSongStartsAgainAtItsEnd) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(oneNoteSong(metal::kLead, 69, false, 1.0),
                            FMOD_LOOP_NORMAL | FMOD_CREATESTREAM, &sound, bankPath().c_str()),
              FMOD_OK);
    FMOD_CHANNEL* channel = driven.play(sound);
    driven.advance(4.5);
    EXPECT_TRUE(driven.isPlaying(channel));
    const std::vector<float> left = channelOf(driven.takeCaptured(), 2, 0);
    // The note sounds in the first half second of each two-second pass and
    // has died away before the next.
    for (double pass : {0.0, 2.0, 4.0}) {
        EXPECT_GT(rmsOf(slice(left, pass + 0.1, pass + 0.4)), 0.006) << "pass at " << pass;
    }
    EXPECT_LT(rmsOf(slice(left, 1.7, 1.95)), 0.2 * rmsOf(slice(left, 0.1, 0.4)));
}

TEST(MidiLength, SongLongerThanTenMinutesPlaysOnlyAsAStream) {
    MidiTrack track("long");
    track.tempo(0, 120.0);
    track.note(0, 480, 0, 60, 100);
    track.end(11 * 60 * 2 * 480); // eleven minutes of beats
    const Bytes song = encodeMidiFile({track}, 480);
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(song, FMOD_CREATESAMPLE, &sound, bankPath().c_str()), FMOD_ERR_MEMORY);
    EXPECT_EQ(driven.create(song, FMOD_CREATESTREAM, &sound, bankPath().c_str()), FMOD_OK);
}

TEST(MidiBank, MissingBankIsFileNotFound) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(composeMetalSong(), FMOD_CREATESTREAM, &sound, "no/such/gm.dls"),
              FMOD_ERR_FILE_NOTFOUND);
    EXPECT_EQ(sound, nullptr);
}

TEST(MidiBank, MalformedBanksAreRefused) {
    const Bytes bank = readBank();
    std::mt19937 random(5);
    Bytes noise(5000);
    for (auto& byte : noise) {
        byte = static_cast<std::uint8_t>(random());
    }
    Bytes wrongLength = bank;
    wrongLength[4] = 0xFF;
    wrongLength[7] = 0x7F;
    const std::vector<Bytes> bad = {Bytes(), noise, Bytes(bank.begin(), bank.begin() + 12),
                                    Bytes(bank.begin(), bank.begin() + bank.size() / 2),
                                    wrongLength};
    DrivenSystem driven;
    for (std::size_t i = 0; i < bad.size(); ++i) {
        const std::string path = writeTemporaryFile("bad" + std::to_string(i) + ".dls", bad[i]);
        FMOD_SOUND* sound = nullptr;
        EXPECT_EQ(driven.create(composeMetalSong(), FMOD_CREATESTREAM, &sound, path.c_str()),
                  FMOD_ERR_FILE_BAD)
            << "bad bank " << i;
        std::remove(path.c_str());
    }
}

TEST(MidiBank, DamagedSampleDataLoadsOrFailsButNeverCrashes) {
    const Bytes bank = readBank();
    DrivenSystem driven;
    for (unsigned seed = 0; seed < 4; ++seed) {
        Bytes damaged = bank;
        std::mt19937 random(seed);
        for (int i = 0; i < 50; ++i) {
            damaged[100 + random() % (damaged.size() - 100)] = static_cast<std::uint8_t>(random());
        }
        const std::string path = writeTemporaryFile("damaged.dls", damaged);
        FMOD_SOUND* sound = nullptr;
        const FMOD_RESULT result =
            driven.create(composeMetalSong(), FMOD_CREATESTREAM, &sound, path.c_str());
        EXPECT_TRUE(result == FMOD_OK || result == FMOD_ERR_FILE_BAD) << "result " << result;
        if (sound != nullptr) {
            driven.play(sound);
            driven.advance(0.2);
            EXPECT_EQ(FMOD_Sound_Release(sound), FMOD_OK);
        }
        std::remove(path.c_str());
    }
}

TEST(MidiBank, DefaultBankIsGmDlsInTheWorkingDirectory) {
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path directory =
        ::testing::TempDir() + "bankdir" + std::to_string(getpid());
    std::filesystem::create_directories(directory);
    std::filesystem::current_path(directory);
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(composeMetalSong(), FMOD_CREATESTREAM, &sound, nullptr),
              FMOD_ERR_FILE_NOTFOUND);
    std::filesystem::copy_file(bankPath(), directory / "gm.dls");
    EXPECT_EQ(driven.create(composeMetalSong(), FMOD_CREATESTREAM, &sound, nullptr), FMOD_OK);
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(directory);
}

TEST(MidiFileScan, GeneratedSongLastsItsSixteenBars) {
    const Bytes song = composeMetalSong();
    soundlib::MidiSummary summary;
    std::string problem;
    ASSERT_TRUE(soundlib::scanMidiFile(song.data(), song.size(), summary, problem)) << problem;
    EXPECT_EQ(summary.format, 1);
    EXPECT_EQ(summary.tracks, 5);
    EXPECT_NEAR(summary.seconds, metal::kSeconds, 1e-6);
    EXPECT_GE(metal::kBars, 16);
}

TEST(MidiFileScan, InstrumentsAreThoseNotesArePlayedWith) {
    // Format 1: the programs are chosen in one track, the notes played in
    // another; a program chosen and never played is not needed, and the
    // drum channel's kit lives in bank 128.
    MidiTrack setup("setup");
    setup.program(0, 0, 40);
    setup.program(0, 1, 73); // replaced before its first note
    setup.program(480, 1, 19);
    setup.controller(0, 2, 0, 8);
    setup.program(0, 2, 30);
    setup.program(0, 9, 25);
    setup.end(960);
    MidiTrack notes("notes");
    for (int channel : {0, 1, 2, 9}) {
        notes.note(960, 100, channel, 60, 100);
    }
    notes.note(0, 100, 3, 60, 100); // no program change: program 0
    notes.end(1200);
    const Bytes song = encodeMidiFile({setup, notes}, 480);
    soundlib::MidiSummary summary;
    std::string problem;
    ASSERT_TRUE(soundlib::scanMidiFile(song.data(), song.size(), summary, problem)) << problem;
    std::vector<std::pair<int, int>> found;
    for (const soundlib::InstrumentUse& use : summary.instruments) {
        found.emplace_back(use.bank, use.program);
    }
    const std::vector<std::pair<int, int>> expected = {
        {0, 0}, {0, 19}, {0, 40}, {8, 30}, {128, 25}};
    EXPECT_EQ(found, expected);
}

TEST(MidiFileScan, TempoChangesAndRunningStatusAreFollowed) {
    // 96 ticks a quarter; 120 bpm for one beat, then 60 bpm for two beats;
    // the notes use running status.
    const Bytes song = {'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0,
                        0,    1,    0,    96,   'M',  'T',  'r',  'k',  0,    0,
                        0,    26,   0,    0xFF, 0x51, 3,    0x07, 0xA1, 0x20, // 500000 us
                        0,    0x90, 60,   100,                                // note on
                        96,   60,   0,                                        // running status: off
                        0,    0xFF, 0x51, 3,    0x0F, 0x42, 0x40,             // 1000000 us
                        0x81, 0x40, 0xFF, 0x2F, 0};                           // end after 192 ticks
    soundlib::MidiSummary summary;
    std::string problem;
    ASSERT_TRUE(soundlib::scanMidiFile(song.data(), song.size(), summary, problem)) << problem;
    EXPECT_NEAR(summary.seconds, 0.5 + 2.0, 1e-9);
}

TEST(MidiFileScan, ChannelPressureAndPitchBendKeepTheirLengths) {
    // Channel pressure has one data byte, pitch bend two, also under running
    // status; a wrong length would take a data byte for a delta time.
    const Bytes song = {'M',  'T',  'h',  'd',  0,   0,   0,   6, 0, 0, 0,
                        1,    0,    96,   'M',  'T', 'r', 'k', 0, 0, 0, 24, //
                        0,    0xD0, 0x40,                                   // pressure
                        0,    0x30,                                         // running
                        0,    0xE0, 0x00, 0x40,                             // bend
                        0,    0x10, 0x20,                                   // running
                        0x60, 0x90, 60,   100,                              // note on
                        0x60, 0x80, 60,   0,                                // note off
                        0,    0xFF, 0x2F, 0};
    soundlib::MidiSummary summary;
    std::string problem;
    ASSERT_TRUE(soundlib::scanMidiFile(song.data(), song.size(), summary, problem)) << problem;
    // 192 ticks at 96 a quarter and the default 120 bpm.
    EXPECT_NEAR(summary.seconds, 1.0, 1e-9);
}

TEST(MidiFileScan, SmpteTimeDivisionIsCountedInFrames) {
    // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
    const Bytes song = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0,    0,    0,    1,    0xE7, 40,
                        'M', 'T', 'r', 'k', 0, 0, 0, 5, 0x87, 0x68, 0xFF, 0x2F, 0};
    soundlib::MidiSummary summary;
    std::string problem;
    ASSERT_TRUE(soundlib::scanMidiFile(song.data(), song.size(), summary, problem)) << problem;
    EXPECT_NEAR(summary.seconds, 1.0, 1e-9);
}

TEST(DlsStructure, GeneratedBankIsWellFormedAndCutBanksAreNot) {
    const Bytes bank = readBank();
    std::string problem;
    EXPECT_TRUE(soundlib::checkDlsBank(bank.data(), bank.size(), problem)) << problem;
    EXPECT_FALSE(soundlib::checkDlsBank(bank.data(), bank.size() - 1, problem));
    EXPECT_FALSE(soundlib::checkDlsBank(bank.data(), 12, problem));
}

} // namespace
