// A DLS bank's articulation shapes its notes: the volume envelope's attack,
// hold, decay, sustain and release, the key-number scaling of decay, region
// articulation over the instrument's, and banks without any. Banks are
// written here with known envelopes; levels are measured on the mix. (A
// malformed articulation chunk is among the bad banks of MidiTest.)
#include "TestSounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kWindow = 0.05;

// Renders one note of a bank holding `instrument` as program 0.
std::vector<float> playNote(const DlsInstrument& instrument, int key, double hold, double total) {
    static int banks = 0;
    const std::string bank = writeTemporaryFile("envelope" + std::to_string(++banks) + ".dls",
                                                encodeDlsBank("envelope", {instrument}));
    std::vector<float> left = renderLeft(oneNoteSong(0, key, hold, total), bank, total);
    std::remove(bank.c_str());
    return left;
}

// Level in dB of the window centred on `seconds`, relative to `reference`.
double levelAt(const std::vector<float>& left, double seconds, double reference) {
    const double from = seconds - kWindow / 2;
    return 20.0 * std::log10(std::max(rmsOf(slice(left, from, from + kWindow)), 1e-8)) - reference;
}

// An envelope; the fields not given keep the writer's defaults.
DlsEnvelope envelope(double attack, double hold, double decay, double sustain,
                     double release = 0.1) {
    return {attack, release, sustain, decay, hold}; // in the order the writer declares them
}

TEST(Articulation, HeldNoteHoldsDecaysSustainsAndFadesOverItsReleaseUnlessItsRegionSaysOtherwise) {
    // 96 dB over a 2 s decay is 12 dB a quarter second; sustain at 75 % of
    // the envelope's 96 dB range is 24 dB down, reached half a second into
    // the decay, which starts after a quarter second of hold. The release
    // goes on down at the same rate from there.
    // Keys below 60 play a region whose own articulation (no release given:
    // the shortest) replaces the instrument's.
    DlsInstrument instrument = sineInstrument(0, envelope(0.0, 0.25, 2.0, 0.75, 2.0));
    instrument.regions = {{0, 59, loopedSine(69), envelope(0.002, 0.0, 0.0, 1.0, 0.0)},
                          {60, 127, loopedSine(69), {}}};
    const std::vector<float> low = playNote(instrument, 48, 0.3, 0.8);
    EXPECT_LT(levelAt(low, 0.45, levelAt(low, 0.2, 0.0)), -40.0) << "the region's own release";
    const std::vector<float> left = playNote(instrument, 69, 2.0, 3.0);
    const double peak = levelAt(left, 0.05, 0.0);
    EXPECT_NEAR(levelAt(left, 0.2, peak), 0.0, 0.5) << "during the hold";
    const double fall = levelAt(left, 0.4, peak) - levelAt(left, 0.65, peak);
    EXPECT_NEAR(fall, 12.0, 12.0 * 0.2) << "decay over a quarter second";
    for (double at : {1.0, 1.5, 1.9}) {
        EXPECT_NEAR(levelAt(left, at, peak), -24.0, 1.5) << "sustain at " << at << " s";
    }
    for (double after : {0.25, 0.5, 0.75}) {
        EXPECT_NEAR(levelAt(left, 2.0 + after, peak), -24.0 - 48.0 * after, 48.0 * after * 0.2)
            << after << " s after the release";
    }
}

TEST(Articulation, AttackRisesLinearlyOverTheGivenTime) {
    const std::vector<float> left =
        playNote(sineInstrument(0, envelope(0.5, 0.0, 0.0, 1.0)), 69, 1.0, 1.0);
    const double held = levelAt(left, 0.8, 0.0);
    EXPECT_LT(levelAt(left, 0.025, held), -16.0) << "at the start";
    EXPECT_NEAR(levelAt(left, 0.25, held), -6.0, 1.5) << "half way";
    EXPECT_NEAR(levelAt(left, 0.6, held), 0.0, 0.5) << "once risen";
}

TEST(Articulation, DecayShortensUpTheKeyboardAsTheBankScalesIt) {
    // A DLS bank scales by key / 128: -6400 timecents over the keyboard make
    // key 84 decay 2^(-6400 * 48 / 128 / 1200) = 1/4 as long as key 36.
    DlsEnvelope scaled = envelope(0.0, 0.0, 4.0, 0.0);
    scaled.keyToDecayTimecents = -6400.0;
    for (int key : {36, 84}) {
        const std::vector<float> left = playNote(sineInstrument(0, scaled), key, 1.0, 1.0);
        const double decay = 4.0 * std::pow(2.0, -6400.0 * key / 128.0 / 1200.0);
        const double expectedFall = 96.0 * 0.1 / decay;
        const double fall = levelAt(left, 0.05, 0.0) - levelAt(left, 0.15, 0.0);
        EXPECT_NEAR(fall, expectedFall, expectedFall * 0.2) << "key " << key << ", ";
    }
}

TEST(Articulation, BankWithoutArticulationStartsAtOnceAndStopsAtTheNoteOff) {
    DlsInstrument plain = sineInstrument(0);
    plain.articulated = false;
    const std::vector<float> left = playNote(plain, 69, 0.5, 1.0);
    const double held = levelAt(left, 0.3, 0.0);
    EXPECT_GT(levelAt(left, 0.025, held), -0.9) << "at the start";
    EXPECT_NEAR(levelAt(left, 0.45, held), 0.0, 0.2) << "held";
    EXPECT_LT(levelAt(left, 0.56, held), -40.0) << "after the note-off";
}

} // namespace
