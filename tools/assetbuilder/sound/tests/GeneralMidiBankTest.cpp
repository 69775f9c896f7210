// The generated General MIDI bank against songs that use all of it: every
// program sounds at its pitch and without a word about missing instruments,
// struck notes die away, and a song playing all sixteen channels at full
// strength stays below full scale.
#include "DlsWriter.h"
#include "GmBank.h"
#include "MetalSong.h"
#include "MidiWriter.h"
#include "TestSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>

namespace {

constexpr std::uint32_t kTicksPerQuarter = 480; // at 120 bpm, 960 ticks a second
constexpr std::uint32_t kTicksPerSecond = 960;

const std::string& fullBankPath() {
    static const std::string path = writeTemporaryFile(
        "general-midi.dls", encodeDlsBank("test bank", generalMidiInstruments()));
    return path;
}

// Each program in turn, in slots of 0.75 s: a middle C held for half a
// second, then every sound on the channel cut 25 ms before the next program,
// so no release rings into the next slot.
Bytes everyProgramSong() {
    MidiTrack track("programs");
    track.tempo(0, 120.0);
    const std::uint32_t slot = kTicksPerSecond * 3 / 4;
    for (int program = 0; program < 128; ++program) {
        const std::uint32_t start = static_cast<std::uint32_t>(program) * slot;
        track.program(start, 0, program);
        track.note(start, kTicksPerSecond / 2, 0, 60, 100);
        track.controller(start + slot - 24, 0, 120, 0); // all sound off
    }
    track.end(128 * slot);
    return encodeMidiFile({track}, kTicksPerQuarter);
}

TEST(GeneralMidiBank, EveryProgramSoundsInItsSlotWithoutAWord) {
    ::testing::internal::CaptureStderr();
    const std::vector<float> left = renderLeft(everyProgramSong(), fullBankPath(), 128 * 0.75);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    for (int program = 0; program < 128; ++program) {
        const double start = program * 0.75;
        const double rms = rmsOf(slice(left, start + 0.02, start + 0.5));
        EXPECT_GT(rms, 0.001) << "program " << program;
        EXPECT_LT(rmsOf(slice(left, start + 0.73, start + 0.75)), 0.001)
            << "program " << program << " rings past its slot";
    }
}

struct FamilyPitch {
    int program;
    int key;
};

class GeneralMidiPitch : public ::testing::TestWithParam<FamilyPitch> {};

// One program of each family whose tone has a clear pitch, away from its
// sample's own note, so a wrong unity note or loop length shows.
TEST_P(GeneralMidiPitch, NoteSoundsWithinASemitoneOfItsPitch) {
    const FamilyPitch& c = GetParam();
    MidiTrack track("pitch");
    track.tempo(0, 120.0);
    track.program(0, 0, c.program);
    track.note(0, 1920, 0, c.key, 110);
    track.end(1920);
    const std::vector<float> left =
        slice(renderLeft(encodeMidiFile({track}, kTicksPerQuarter), fullBankPath(), 1.0), 0.4, 0.9);
    const double expected = 440.0 * std::pow(2.0, (c.key - 69) / 12.0);
    const double measured = estimatePitch(left, kMixRate, expected / 1.5, expected * 1.5);
    EXPECT_NEAR(12.0 * std::log2(measured / expected), 0.0, 1.0)
        << "program " << c.program << ": measured " << measured << " Hz, expected " << expected;
}

INSTANTIATE_TEST_SUITE_P(
    Families, GeneralMidiPitch,
    ::testing::Values(FamilyPitch{0, 64}, FamilyPitch{11, 76}, FamilyPitch{16, 55},
                      FamilyPitch{24, 57}, FamilyPitch{33, 40}, FamilyPitch{40, 74},
                      FamilyPitch{48, 62}, FamilyPitch{56, 70}, FamilyPitch{65, 65},
                      FamilyPitch{73, 79}, FamilyPitch{80, 60}, FamilyPitch{89, 57},
                      FamilyPitch{98, 67}, FamilyPitch{109, 57}, FamilyPitch{114, 60}),
    [](const ::testing::TestParamInfo<FamilyPitch>& info) {
        return "Program" + std::to_string(info.param.program);
    });

// A held note: struck and plucked programs die away, organs, voices and
// winds hold their level.
double lateToEarly(int program) {
    MidiTrack track("held");
    track.tempo(0, 120.0);
    track.program(0, 0, program);
    track.note(0, 4 * kTicksPerSecond, 0, 60, 110);
    track.end(4 * kTicksPerSecond);
    const std::vector<float> left =
        renderLeft(encodeMidiFile({track}, kTicksPerQuarter), fullBankPath(), 4.0);
    return rmsOf(slice(left, 3.0, 3.5)) / rmsOf(slice(left, 0.1, 0.6));
}

TEST(GeneralMidiBank, StruckNotesDieAwayAndBlownOnesHold) {
    for (int program : {0, 12, 24, 46}) {
        EXPECT_LT(lateToEarly(program), 0.3) << "program " << program;
    }
    for (int program : {16, 52, 73}) {
        EXPECT_NEAR(lateToEarly(program), 1.0, 0.25) << "program " << program;
    }
}

TEST(GeneralMidiBank, EveryDrumKeySounds) {
    MidiTrack track("drums");
    track.tempo(0, 120.0);
    const std::uint32_t slot = kTicksPerSecond / 2;
    for (int key = 35; key <= 81; ++key) {
        const std::uint32_t start = static_cast<std::uint32_t>(key - 35) * slot;
        track.note(start, slot / 2, 9, key, 110);
        track.controller(start + slot - 24, 9, 120, 0);
    }
    track.end(47 * slot);
    const std::vector<float> left =
        renderLeft(encodeMidiFile({track}, kTicksPerQuarter), fullBankPath(), 47 * 0.5);
    for (int key = 35; key <= 81; ++key) {
        const double start = (key - 35) * 0.5;
        EXPECT_GT(peakOf(slice(left, start, start + 0.2)), 0.015) << "drum key " << key;
    }
}

TEST(GeneralMidiBank, SongInstrumentsKeepTheirSamples) {
    const std::vector<DlsInstrument> song = metalSongInstruments();
    const std::vector<DlsInstrument> full = generalMidiInstruments();
    ASSERT_EQ(full.size(), 129u);
    for (const DlsInstrument& kept : song) {
        const auto found = std::find_if(full.begin(), full.end(), [&](const DlsInstrument& i) {
            return i.drum == kept.drum && i.program == kept.program;
        });
        ASSERT_NE(found, full.end()) << kept.name;
        for (const DlsRegion& region : kept.regions) {
            const auto same =
                std::find_if(found->regions.begin(), found->regions.end(), [&](const DlsRegion& r) {
                    return r.lowKey == region.lowKey && r.wave.samples == region.wave.samples;
                });
            EXPECT_NE(same, found->regions.end()) << kept.name << " key " << region.lowKey;
        }
    }
}

TEST(GeneralMidiBank, GeneratedBankStaysUnderFourMillionBytes) {
    std::ifstream file(fullBankPath(), std::ios::binary | std::ios::ate);
    EXPECT_LT(static_cast<long long>(file.tellg()), 4000000);
}

// Sixteen channels at full volume and expression: fifteen loud sustained
// programs each holding a note at the highest velocity, spread over five
// octaves, and kick, snare and crash struck together on every beat.
Bytes fortissimoSong() {
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
    return encodeMidiFile({track}, kTicksPerQuarter);
}

TEST(MixLevel, SixteenChannelFortissimoPeaksBelowFullScale) {
    DrivenSystem driven;
    FMOD_SOUND* sound = nullptr;
    ASSERT_EQ(driven.create(fortissimoSong(), FMOD_CREATESTREAM, &sound, fullBankPath().c_str()),
              FMOD_OK);
    driven.play(sound);
    driven.advance(3.0);
    const std::vector<float> frames = driven.takeCaptured();
    const double peak = peakOf(frames);
    std::printf("16-channel fortissimo peak: %.3f of full scale\n", peak);
    EXPECT_LT(peak, 1.0);
    EXPECT_GT(peak, 0.25); // and not made quiet to get there
}

} // namespace
