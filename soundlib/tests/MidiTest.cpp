// MIDI rendered with a DLS bank written by the tests: notes at their pitch,
// loops, the song's length, every way a bank can be missing or bad, and the
// lines about instruments a song asks for that the bank lacks.
#include "MidiFile.h"
#include "MidiWriter.h"
#include "TestSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

Bytes readBank() {
    std::ifstream file(testBankPath(), std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Keys away from the sample's own note and in both regions of program 30,
// so a wrong unity note or region shows; one song is rendered whole when
// created (a sample), the others as they play. The held note must keep its
// level through the loops of its sample.
TEST(MidiPitch, NoteSoundsAtItsPitchAndSustainsThroughTheSampleLoop) {
    const struct {
        int program;
        int key;
        FMOD_MODE kind;
    } cases[] = {{0, 69, FMOD_CREATESAMPLE},
                 {0, 76, FMOD_CREATESTREAM},
                 {30, 45, FMOD_CREATESTREAM},
                 {30, 52, FMOD_CREATESTREAM},
                 {30, 72, FMOD_CREATESTREAM}};
    for (const auto& c : cases) {
        SCOPED_TRACE("program " + std::to_string(c.program) + " key " + std::to_string(c.key));
        const std::vector<float> all =
            renderLeft(oneNoteSong(c.program, c.key, 1.5, 2.0), testBankPath(), 1.5, c.kind);
        const double expected = 440.0 * std::pow(2.0, (c.key - 69) / 12.0);
        const double measured =
            estimatePitch(slice(all, 0.3, 0.9), kMixRate, expected / 1.5, expected * 1.5);
        EXPECT_NEAR(12.0 * std::log2(measured / expected), 0.0, 1.0)
            << "measured " << measured << " Hz, expected " << expected << " Hz";
        const double early = rmsOf(slice(all, 0.2, 0.4));
        EXPECT_GT(early, 0.02);
        EXPECT_NEAR(rmsOf(slice(all, 1.2, 1.4)) / early, 1.0, 0.05);
    }
}

TEST(MidiLoop, LoopingSongStartsAgainAtItsEndUntilItsLoopCountRunsOut) {
    DrivenSystem driven;
    FMOD_CHANNEL* channel =
        driven.start(oneNoteSong(0, 69, 0.5, 2.0), FMOD_LOOP_NORMAL | FMOD_CREATESTREAM, false,
                     testBankPath().c_str());
    driven.advance(4.5);
    EXPECT_TRUE(driven.isPlaying(channel));
    const std::vector<float> left = channelOf(driven.takeCaptured(), 2, 0);
    // The note sounds in the first half second of each two-second pass and
    // has died away before the next.
    for (double pass : {0.0, 2.0, 4.0}) {
        EXPECT_GT(rmsOf(slice(left, pass + 0.1, pass + 0.4)), 0.02) << "pass at " << pass;
    }
    EXPECT_LT(rmsOf(slice(left, 1.7, 1.95)), 0.2 * rmsOf(slice(left, 0.1, 0.4)));
    // Loop count 0: the pass under way is the last.
    ASSERT_EQ(FMOD_Channel_SetLoopCount(channel, 0), FMOD_OK);
    driven.advance(1.45);
    EXPECT_TRUE(driven.isPlaying(channel));
    driven.advance(0.1);
    EXPECT_FALSE(driven.isPlaying(channel));
}

TEST(MidiLength, SongLongerThanTenMinutesPlaysOnlyAsAStream) {
    const Bytes song = oneNoteSong(0, 60, 0.5, 11 * 60.0);
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    EXPECT_EQ(driven.create(song, FMOD_CREATESAMPLE, &sound, testBankPath().c_str()),
              FMOD_ERR_MEMORY);
    EXPECT_EQ(driven.create(song, FMOD_CREATESTREAM, &sound, testBankPath().c_str()), FMOD_OK);
}

// The bank with the header and block count of its first connection-block
// list replaced.
Bytes withArticulation(Bytes bank, std::uint32_t headerSize, std::uint32_t blocks) {
    const std::string tag = "art1";
    const auto at = std::search(bank.begin(), bank.end(), tag.begin(), tag.end()) + 8;
    std::memcpy(&*at, &headerSize, 4);
    std::memcpy(&*(at + 4), &blocks, 4);
    return bank;
}

// (Banks damaged anywhere else are the DLS fuzz target's work.)
TEST(MidiBank, MalformedBanksAreRefusedWithALineNamingThem) {
    const Bytes bank = readBank();
    const Bytes song = oneNoteSong(0, 69, 0.5, 1.0);
    const std::string riffTooLong = "RIFF length is larger than the file";
    const std::string badArticulation = "articulation chunk 'art1' is malformed";
    const struct {
        const char* name;
        Bytes bytes;
        std::string said;
    } cases[] = {
        {"empty", Bytes(), "not a DLS sound bank"},
        {"no header", Bytes(5000, 0x5A), "not a DLS sound bank"},
        {"header only", Bytes(bank.begin(), bank.begin() + 12), riffTooLong},
        {"cut in half", Bytes(bank.begin(), bank.begin() + bank.size() / 2), riffTooLong},
        {"more blocks than the chunk holds", withArticulation(bank, 8, 4), badArticulation},
        {"huge block count", withArticulation(bank, 8, ~0u), badArticulation},
        {"block header shorter than itself", withArticulation(bank, 4, 3), badArticulation},
        {"block header longer than the chunk", withArticulation(bank, 1000, 0), badArticulation},
    };
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    for (const auto& c : cases) {
        const std::string path = writeTemporaryFile("bad.dls", c.bytes);
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(driven.create(song, FMOD_CREATESTREAM, &sound, path.c_str()), FMOD_ERR_FILE_BAD)
            << c.name;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(path + ": " + c.said), std::string::npos) << c.name << ": " << said;
        std::remove(path.c_str());
    }
}

// The default bank is "gm.dls" in the working directory (the test
// program's build directory).
TEST(MidiBank, MissingBankIsFileNotFoundAndTheDefaultIsGmDlsInTheWorkingDirectory) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    const Bytes song = oneNoteSong(0, 69, 0.5, 1.0);
    EXPECT_EQ(driven.create(song, FMOD_CREATESTREAM, &sound, "no/such/gm.dls"),
              FMOD_ERR_FILE_NOTFOUND);
    std::filesystem::copy_file(testBankPath(), "gm.dls",
                               std::filesystem::copy_options::overwrite_existing);
    EXPECT_EQ(driven.create(song, FMOD_CREATESTREAM, &sound, nullptr), FMOD_OK);
    std::filesystem::remove("gm.dls");
    EXPECT_EQ(driven.create(song, FMOD_CREATESTREAM, &sound, nullptr), FMOD_ERR_FILE_NOTFOUND);
}

// Creates `song` with `bank` and returns what was said on standard error.
std::string linesWhenCreated(const Bytes& song, const std::string& bank) {
    DrivenSystem driven;
    ::testing::internal::CaptureStderr();
    driven.load(song, FMOD_CREATESTREAM, bank.c_str());
    return ::testing::internal::GetCapturedStderr();
}

TEST(MissingInstruments, EachPlayedOneIsNamedOncePerBankAndAMissingKitPlaysTheStandardOne) {
    // Format 1: the programs are chosen in one track and played from
    // another. A program replaced before its first note, or struck only at
    // velocity 0 (a note-off), is not needed; channel 3 plays program 0,
    // which the bank has.
    MidiTrack setup("setup");
    setup.program(0, 0, 40);
    setup.program(0, 1, 73);
    setup.program(480, 1, 19);
    setup.controller(0, 2, 0, 8); // a variation bank the bank does not have
    setup.program(0, 2, 30);
    setup.program(0, 4, 50);
    setup.program(0, 9, 25); // a drum kit the bank lacks
    setup.end(960);
    MidiTrack notes("notes");
    for (int channel : {0, 1, 2, 3}) {
        notes.note(960, 100, channel, 60, 100);
    }
    notes.note(960, 100, 4, 60, 0);
    notes.note(1440, 240, 9, 38, 110); // the snare, alone
    notes.end(1920);
    const Bytes song = encodeMidiFile({setup, notes}, 480);
    const std::string bank = writeTemporaryFile("missing.dls", readBank());
    const std::string p = "soundlib: " + bank + ": the song asks for bank ";
    EXPECT_EQ(linesWhenCreated(song, bank),
              p + "0 program 19, which this sound bank lacks\n" + p +
                  "0 program 40, which this sound bank lacks\n" + p +
                  "8 program 30, which this sound bank lacks\n" + p +
                  "128 program 25, which this sound bank lacks; the standard kit (bank 128 "
                  "program 0) plays instead\n");
    EXPECT_EQ(linesWhenCreated(song, bank), "") << "said again for the same bank";
    // The standard kit's snare sounds in the missing kit's place.
    EXPECT_GT(peakOf(slice(renderLeft(song, bank, 2.0), 1.5, 1.75)), 0.02);
    std::remove(bank.c_str());
}

TEST(MidiFileScan, SongLengthFollowsTheTempoMapAndEveryEventsLength) {
    const struct {
        const char* name;
        Bytes song;
        double seconds;
    } cases[] = {
        // 96 ticks a quarter: a beat at the default 120 bpm, one at 60 bpm,
        // one at 240 bpm; the note-off is a note-on of velocity 0 under
        // running status.
        {"tempo changes and running status",
         midiFile({0,    0x90, 60,   100,  0x60, 60,   0,    0,    0xFF, 0x51, 3,    0x0F, 0x42,
                   0x40, 0x60, 0xFF, 0x51, 3,    0x03, 0xD0, 0x90, 0x60, 0xFF, 0x2F, 0}),
         1.75},
        // Channel pressure has one data byte, pitch bend two, also under
        // running status; 192 ticks at the default 120 bpm.
        {"channel pressure and pitch bend",
         midiFile({0,    0xD0, 0x40, 0,   0x30, 0,    0xE0, 0, 0x40, 0,    0x10, 0x20,
                   0x60, 0x90, 60,   100, 0x60, 0x80, 60,   0, 0,    0xFF, 0x2F, 0}),
         1.0},
        // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
        {"SMPTE time division", midiFile({0x87, 0x68, 0xFF, 0x2F, 0}, 0xE728), 1.0},
    };
    for (const auto& c : cases) {
        soundlib::MidiSummary summary;
        std::string problem;
        ASSERT_TRUE(soundlib::scanMidiFile(c.song.data(), c.song.size(), summary, problem))
            << c.name << ": " << problem;
        EXPECT_NEAR(summary.seconds, c.seconds, 1e-9) << c.name;
    }
}

} // namespace
