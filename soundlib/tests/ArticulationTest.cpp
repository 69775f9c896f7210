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
    DlsEnvelope e;
    e.attackSeconds = attack;
    e.holdSeconds = hold;
    e.decaySeconds = decay;
    e.sustainLevel = sustain;
    e.releaseSeconds = release;
    return e;
}

// The level of the note `at` seconds in, within `low` to `high` dB of its
// level at the row's reference time.
struct Level {
    double at;
    double low;
    double high;
};

TEST(Articulation, EnvelopeShapesTheNote) {
    // Levels fall 96 dB over a decay or release time; a DLS bank scales
    // decay by key / 128, so -6400 timecents over the keyboard make key 84
    // decay 2^(-6400 * 48 / 128 / 1200) = 1/4 as long as key 36.
    DlsEnvelope scaled = envelope(0.0, 0.0, 4.0, 0.0);
    scaled.keyToDecayTimecents = -6400.0;
    const double fall36 = 96.0 * 0.1 / (4.0 * std::pow(2.0, -6400.0 * 36 / 128.0 / 1200.0));
    // The instrument's long release applies to the upper region; the lower
    // region's own articulation (no release given: the shortest) replaces it.
    DlsInstrument regions = sineInstrument(0, envelope(0.002, 0.0, 0.0, 1.0, 2.0));
    regions.regions = {{0, 59, loopedSine(69), envelope(0.002, 0.0, 0.0, 1.0, 0.0)},
                       {60, 127, loopedSine(69), {}}};
    DlsInstrument plain = sineInstrument(0);
    plain.articulated = false;
    const struct {
        const char* name;
        DlsInstrument instrument;
        int key;
        double hold;  // the note's length
        double total; // the song's
        double reference;
        std::vector<Level> levels;
    } cases[] = {
        // A quarter second of hold, then 12 dB a quarter second down to the
        // sustain 75 % down the envelope's 96 dB range: -24 dB.
        {"hold, decay and sustain",
         sineInstrument(0, envelope(0.0, 0.25, 2.0, 0.75)),
         69,
         2.0,
         2.0,
         0.05,
         {{0.2, -0.5, 0.5},
          {0.4, -8.7, -5.7},
          {0.65, -20.7, -17.7},
          {1.0, -25.5, -22.5},
          {1.9, -25.5, -22.5}}},
        {"release of 2 s",
         sineInstrument(0, envelope(0.002, 0.0, 0.0, 1.0, 2.0)),
         69,
         0.5,
         1.5,
         0.3,
         {{0.75, -14.4, -9.6}, {1.0, -28.8, -19.2}, {1.25, -43.2, -28.8}}},
        {"attack of half a second",
         sineInstrument(0, envelope(0.5, 0.0, 0.0, 1.0)),
         69,
         1.0,
         1.0,
         0.8,
         {{0.025, -100.0, -16.5}, {0.25, -8.0, -4.0}, {0.6, -0.5, 0.5}}},
        {"key 36 decay",
         sineInstrument(0, scaled),
         36,
         1.0,
         1.0,
         0.05,
         {{0.15, -1.2 * fall36, -0.8 * fall36}}},
        {"key 84 decay",
         sineInstrument(0, scaled),
         84,
         1.0,
         1.0,
         0.05,
         {{0.15, -4.8 * fall36, -3.2 * fall36}}},
        {"region's own release", regions, 48, 0.3, 0.8, 0.2, {{0.45, -200.0, -40.0}}},
        {"instrument's release", regions, 72, 0.3, 0.8, 0.2, {{0.45, -40.0, 0.0}}},
        // No articulation: full level at once, silence at the note-off.
        {"no articulation",
         plain,
         69,
         0.5,
         1.0,
         0.3,
         {{0.025, -0.9, 0.5}, {0.4, -0.2, 0.2}, {0.56, -200.0, -40.0}}},
    };
    for (const auto& c : cases) {
        const std::vector<float> left = playNote(c.instrument, c.key, c.hold, c.total);
        const double reference = levelAt(left, c.reference, 0.0);
        for (const Level& level : c.levels) {
            const double heard = levelAt(left, level.at, reference);
            EXPECT_TRUE(heard >= level.low && heard <= level.high)
                << c.name << ": " << heard << " dB at " << level.at << " s, expected " << level.low
                << " to " << level.high;
        }
    }
}

} // namespace
