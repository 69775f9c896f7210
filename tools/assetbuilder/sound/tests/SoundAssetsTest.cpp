// The asset builder's sound files, decoded by the library as the games will
// decode them: every file is made, each decodes, and the music loops. And
// the generated General MIDI bank against songs that use all of it: every
// program sounds at its pitch and without a word about missing instruments,
// struck notes die away, and a song playing all sixteen channels at full
// strength stays below full scale.
#include "SoundAssets.h"
#include "DlsWriter.h"
#include "GmBank.h"
#include "MemorySink.h"
#include "MetalSong.h"
#include "MidiWriter.h"
#include "TestSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <tuple>

namespace {

TEST(GeneratedSounds, EveryFileIsMadeWhereTheGamesLookAndPlaysAsTheyWill) {
    MemorySink sink;
    buildSounds(sink);
    // Each file is looked up by the name the games use below.
    EXPECT_LT(sink.runDirectory.at("gm.dls").size(), 4000000u);
    EXPECT_EQ(sink.archive.size() + sink.runDirectory.size(), 5u);

    // The yell: a short, loud one-shot.
    DrivenSystem driven;
    driven.start(sink.archive.at("soPLAYdieYell.wav"), FMOD_CREATESAMPLE);
    driven.advance(1.5);
    const std::vector<float> yell = channelOf(driven.takeCaptured(), 2, 0);
    const double seconds = static_cast<double>(audibleFrames(yell, 0.01f)) / kMixRate;
    EXPECT_GT(seconds, 0.4);
    EXPECT_LT(seconds, 1.0);
    EXPECT_GT(peakOf(yell), 0.5);

    // The music loops without a click at the seam (four bars each).
    for (const auto& [name, loop] :
         {std::pair{"muIntro.ogg", 8.0}, std::pair{"track003.ogg", 10.0}}) {
        DrivenSystem looping;
        looping.start(sink.archive.at(name), FMOD_LOOP_NORMAL | FMOD_CREATESAMPLE);
        looping.advance(loop + 0.5);
        const std::vector<float> left = channelOf(looping.takeCaptured(), 2, 0);
        const std::vector<float> around = slice(left, loop - 0.05, loop + 0.05);
        const std::vector<float> within = slice(left, 1.0 / kMixRate, loop - 0.05);
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

constexpr std::uint32_t kTicksPerQuarter = 480; // at 120 bpm, 960 ticks a second
constexpr std::uint32_t kTicksPerSecond = 960;

const std::string& fullBankPath() {
    static const std::string path = writeTemporaryFile(
        "general-midi.dls", encodeDlsBank("test bank", generalMidiInstruments()));
    return path;
}

// Each program in turn, in slots of 0.75 s: a middle C held for half a
// second, then every sound on the channel cut 25 ms before the next program,
// so no release rings into the next slot; then each drum key struck in turn
// in slots of half a second.
Bytes everyInstrumentSong() {
    MidiTrack track("instruments");
    track.tempo(0, 120.0);
    const std::uint32_t slot = kTicksPerSecond * 3 / 4;
    for (int program = 0; program < 128; ++program) {
        const std::uint32_t start = static_cast<std::uint32_t>(program) * slot;
        track.program(start, 0, program);
        track.note(start, kTicksPerSecond / 2, 0, 60, 100);
        track.controller(start + slot - 24, 0, 120, 0); // all sound off
    }
    const std::uint32_t drumSlot = kTicksPerSecond / 2;
    for (int key = 35; key <= 81; ++key) {
        const std::uint32_t start = 128 * slot + static_cast<std::uint32_t>(key - 35) * drumSlot;
        track.note(start, drumSlot / 2, 9, key, 110);
        track.controller(start + drumSlot - 24, 9, 120, 0);
    }
    track.end(128 * slot + 47 * drumSlot);
    return encodeMidiFile({track}, kTicksPerQuarter);
}

TEST(GeneralMidiBank, EveryProgramAndDrumKeySoundsInItsSlotWithoutAWord) {
    ::testing::internal::CaptureStderr();
    const std::vector<float> left =
        renderLeft(everyInstrumentSong(), fullBankPath(), 128 * 0.75 + 47 * 0.5);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    for (int program = 0; program < 128; ++program) {
        const double start = program * 0.75;
        EXPECT_GT(rmsOf(slice(left, start + 0.02, start + 0.5)), 0.001) << "program " << program;
        EXPECT_LT(rmsOf(slice(left, start + 0.73, start + 0.75)), 0.001)
            << "program " << program << " rings past its slot";
    }
    for (int key = 35; key <= 81; ++key) {
        const double start = 128 * 0.75 + (key - 35) * 0.5;
        EXPECT_GT(peakOf(slice(left, start, start + 0.2)), 0.015) << "drum key " << key;
    }
}

enum class Held { Dies, Holds, Either };

// One program of each family whose tone has a clear pitch, away from its
// sample's own note, so a wrong unity note or loop length shows; held for
// four seconds, struck and plucked programs die away, organs, voices and
// winds hold their level.
TEST(GeneralMidiBank, HeldNoteOfEachFamilySoundsWithinASemitoneOfItsPitchAndDiesOrHolds) {
    const struct {
        int program;
        int key;
        Held held;
    } cases[] = {
        {0, 64, Held::Dies},    {11, 76, Held::Either},  {12, 60, Held::Dies},
        {16, 55, Held::Holds},  {24, 57, Held::Dies},    {33, 40, Held::Either},
        {40, 74, Held::Either}, {46, 60, Held::Dies},    {48, 62, Held::Either},
        {52, 60, Held::Holds},  {56, 70, Held::Either},  {65, 65, Held::Either},
        {73, 79, Held::Holds},  {80, 60, Held::Either},  {89, 57, Held::Either},
        {98, 67, Held::Either}, {109, 57, Held::Either}, {114, 60, Held::Either},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("program " + std::to_string(c.program));
        MidiTrack track("held");
        track.tempo(0, 120.0);
        track.program(0, 0, c.program);
        track.note(0, 4 * kTicksPerSecond, 0, c.key, 110);
        track.end(4 * kTicksPerSecond);
        const std::vector<float> left =
            renderLeft(encodeMidiFile({track}, kTicksPerQuarter), fullBankPath(), 4.0);
        const double expected = 440.0 * std::pow(2.0, (c.key - 69) / 12.0);
        const double measured =
            estimatePitch(slice(left, 0.4, 0.9), kMixRate, expected / 1.5, expected * 1.5);
        EXPECT_NEAR(12.0 * std::log2(measured / expected), 0.0, 1.0)
            << "measured " << measured << " Hz, expected " << expected;
        const double lateToEarly = rmsOf(slice(left, 3.0, 3.5)) / rmsOf(slice(left, 0.1, 0.6));
        if (c.held == Held::Dies) {
            EXPECT_LT(lateToEarly, 0.3);
        } else if (c.held == Held::Holds) {
            EXPECT_NEAR(lateToEarly, 1.0, 0.25);
        }
    }
}

TEST(GeneralMidiBank, SongInstrumentsKeepTheirSamples) {
    const std::vector<DlsInstrument> full = generalMidiInstruments();
    ASSERT_EQ(full.size(), 129u);
    std::set<std::tuple<bool, int, int, std::vector<float>>> inBank;
    for (const DlsInstrument& i : full) {
        for (const DlsRegion& r : i.regions) {
            inBank.insert({i.drum, i.program, r.lowKey, r.wave.samples});
        }
    }
    for (const DlsInstrument& kept : metalSongInstruments()) {
        for (const DlsRegion& r : kept.regions) {
            EXPECT_EQ(inBank.count({kept.drum, kept.program, r.lowKey, r.wave.samples}), 1u)
                << kept.name << " key " << r.lowKey;
        }
    }
}

// Sixteen channels at full volume and expression: fifteen loud sustained
// programs each holding a note at the highest velocity, spread over five
// octaves, and kick, snare and crash struck together on every beat.
TEST(MixLevel, SixteenChannelFortissimoPeaksBelowFullScale) {
    const int programs[] = {30, 81, 29, 62, 16, 18, 61, 48, 50, 80, 84, 87, 34, 38, 56};
    MidiTrack track("fortissimo");
    track.tempo(0, 120.0);
    int index = 0;
    for (int channel = 0; channel < 16; ++channel) {
        track.controller(0, channel, 7, 127);
        track.controller(0, channel, 11, 127);
        if (channel == 9) {
            continue;
        }
        track.program(0, channel, programs[index]);
        track.note(0, 3 * kTicksPerSecond, channel, 40 + 3 * index, 127);
        ++index;
    }
    for (std::uint32_t beat = 0; beat < 6; ++beat) {
        for (int key : {metal::kKick, metal::kSnare, metal::kCrash}) {
            track.note(beat * kTicksPerQuarter, 200, 9, key, 127);
        }
    }
    track.end(3 * kTicksPerSecond);
    DrivenSystem driven;
    driven.start(encodeMidiFile({track}, kTicksPerQuarter), FMOD_CREATESTREAM, false,
                 fullBankPath().c_str());
    driven.advance(3.0);
    const double peak = peakOf(driven.takeCaptured());
    EXPECT_LT(peak, 1.0);
    EXPECT_GT(peak, 0.25); // and not made quiet to get there
}

} // namespace
