// How each family is made:
// - pianos, guitars, basses, harps: plucked or struck string spectra, bright
//   at the attack, mellow in the loop, dying away in the sample;
// - chromatic and percussive: inharmonic partials of bars, bells and drums in
//   the attack over a plain tone that decays;
// - organs, reeds, brass, pipes: steady spectra (drawbars, odd harmonics,
//   sawtooths through formants) with breath or chiff in the attack;
// - strings, ensembles and pads: sawtooths with a beating detuned copy and
//   slow swells; voices through vowel formants;
// - electric pianos, bells and many effects: two-operator FM;
// - sound effects: filtered noise shaped in the loop.
#include "GmMelodic.h"

#include "ToneRecipe.h"

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

namespace {

using Recipe = std::function<ToneRecipe()>;

// How a note comes and goes: a swell over `attack`, or a fall of 96 dB over
// `decay` while held, and a fade over `release` once let go.
struct Contour {
    double attack = 0.0;
    double decay = 0.0;
    double release = 0.1;
};

// A program without a recipe must be one of the kept instruments.
struct Program {
    const char* name;
    Contour contour;
    Recipe recipe;
};

Contour held(double attack, double release) {
    return {attack, 0.0, release};
}

Contour dying(double decay, double release) {
    return {0.0, decay, release};
}

double sumOf(const std::vector<double>& values) {
    double sum = 0.0;
    for (double v : values) {
        sum += v;
    }
    return sum;
}

// The bright start may be at most twice as strong as the ringing tone, or
// normalising the wave to its peak would leave the tone faint.
ToneRecipe withBrightStart(ToneRecipe r, std::vector<double> start) {
    const double limit = 2.0 * sumOf(r.harmonics);
    const double strength = sumOf(start);
    for (double& a : start) {
        a *= strength > limit ? limit / strength : 1.0;
    }
    r.attackHarmonics = std::move(start);
    return r;
}

ToneRecipe plucked(int unity, double position, double bright, double attack) {
    ToneRecipe r;
    r.unityNote = unity;
    r.attackSeconds = attack;
    r.harmonics = pluckSpectrum(30, position, 2.0);
    r.attackNoise = 0.15;
    return withBrightStart(r, pluckSpectrum(30, position, bright));
}

ToneRecipe struck(int unity, std::vector<Partial> partials, double attack) {
    ToneRecipe r;
    r.unityNote = unity;
    r.attackSeconds = attack;
    r.harmonics = {1.0, 0.05};
    r.struck = std::move(partials);
    r.attackNoise = 0.05;
    r.noiseCutoffHz = 8000.0;
    return r;
}

ToneRecipe fm(int unity, int ratio, double indexStart, double indexEnd, double attack) {
    ToneRecipe r;
    r.unityNote = unity;
    r.attackSeconds = attack;
    r.fmLevel = 1.0;
    r.fmRatio = ratio;
    r.fmIndexStart = indexStart;
    r.fmIndexEnd = indexEnd;
    return r;
}

ToneRecipe steady(int unity, std::vector<double> harmonics) {
    ToneRecipe r;
    r.unityNote = unity;
    r.harmonics = std::move(harmonics);
    return r;
}

ToneRecipe chorused(ToneRecipe r, double level, double loopSeconds, int cycles) {
    r.chorusLevel = level;
    r.loopSeconds = loopSeconds;
    r.chorusCycles = cycles;
    return r;
}

ToneRecipe breathy(ToneRecipe r, double chiff, double breath) {
    r.attackSeconds = 0.08;
    r.attackNoise = chiff;
    r.steadyNoise = breath;
    r.noiseCutoffHz = 3000.0;
    return r;
}

ToneRecipe noisy(double cutoffHz, double loopSeconds, double tremolo, int cycles, unsigned seed) {
    ToneRecipe r;
    r.unityNote = 60;
    r.attackSeconds = 0.02;
    r.loopSeconds = loopSeconds;
    r.steadyNoise = 1.0;
    r.noiseCutoffHz = cutoffHz;
    r.tremoloDepth = tremolo;
    r.tremoloCycles = cycles;
    r.seed = seed;
    return r;
}

ToneRecipe driven(ToneRecipe r, double drive) {
    r.drive = drive;
    return r;
}

const std::vector<double> kVowelA = {730.0, 1090.0, 2440.0};
const std::vector<double> kVowelO = {450.0, 800.0, 2830.0};
const std::vector<double> kVowelU = {325.0, 700.0, 2530.0};

std::vector<Program> pianos() {
    return {
        {"Acoustic Grand Piano", dying(3.0, 0.4), [] { return plucked(60, 0.12, 0.9, 0.3); }},
        {"Bright Acoustic Piano", dying(3.0, 0.4), [] { return plucked(60, 0.08, 0.6, 0.3); }},
        {"Electric Grand Piano", dying(3.0, 0.3),
         [] { return driven(plucked(60, 0.15, 0.8, 0.25), 1.2); }},
        {"Honky-tonk Piano", dying(3.0, 0.3),
         [] { return chorused(plucked(60, 0.12, 0.8, 0.3), 0.8, 0.25, 1); }},
        {"Electric Piano 1", dying(3.0, 0.3), [] { return fm(60, 1, 2.5, 0.4, 0.3); }},
        {"Electric Piano 2", dying(2.5, 0.3), [] { return fm(60, 14, 1.5, 0.1, 0.15); }},
        {"Harpsichord", dying(3.0, 0.15), [] { return plucked(60, 0.04, 0.3, 0.1); }},
        {"Clavi", dying(2.0, 0.08),
         [] {
             ToneRecipe r = plucked(60, 0.03, 0.5, 0.05);
             r.harmonics = oddSpectrum(30, 0.7, 0.2);
             return withBrightStart(r, pluckSpectrum(30, 0.03, 0.5));
         }},
    };
}

std::vector<Program> chromaticPercussion() {
    return {
        {"Celesta", dying(2.5, 0.3),
         [] {
             return struck(72, {{4.0, 0.5}, {10.0, 0.2}}, 0.2);
         }},
        {"Glockenspiel", dying(3.0, 0.5),
         [] {
             return struck(84, {{2.76, 0.6}, {5.4, 0.4}, {8.9, 0.2}}, 0.4);
         }},
        {"Music Box", dying(2.5, 0.5),
         [] {
             return struck(84, {{3.0, 0.4}, {5.8, 0.3}}, 0.3);
         }},
        {"Vibraphone", dying(4.0, 0.6),
         [] {
             ToneRecipe r = struck(72, {{4.0, 0.6}, {10.0, 0.2}}, 0.3);
             r.loopSeconds = 0.18; // the motor's tremolo, about 5.5 Hz
             r.tremoloDepth = 0.4;
             r.tremoloCycles = 1;
             return r;
         }},
        {"Marimba", dying(1.2, 0.2),
         [] {
             return struck(60, {{4.0, 0.8}, {9.9, 0.3}}, 0.12);
         }},
        {"Xylophone", dying(0.9, 0.15),
         [] {
             return struck(72, {{3.0, 0.8}, {6.0, 0.4}, {9.2, 0.2}}, 0.1);
         }},
        {"Tubular Bells", dying(5.0, 1.0),
         [] {
             ToneRecipe r = fm(60, 3, 4.0, 1.2, 0.6);
             r.struck = {{2.76, 0.3}, {5.4, 0.2}};
             return r;
         }},
        {"Dulcimer", dying(3.0, 0.4),
         [] { return chorused(plucked(60, 0.1, 0.5, 0.2), 0.6, 0.3, 1); }},
    };
}

std::vector<Program> organs() {
    return {
        {"Drawbar Organ", held(0.01, 0.05),
         [] {
             return steady(60, {1, 0.8, 0.6, 0.5, 0, 0.4, 0, 0.3});
         }},
        {"Percussive Organ", held(0.005, 0.05),
         [] {
             ToneRecipe r = steady(60, {1, 0.6, 0.2, 0.3});
             r.attackHarmonics = {1, 0.6, 1.2, 0.3};
             r.attackSeconds = 0.3;
             return r;
         }},
        {"Rock Organ", held(0.01, 0.08),
         [] {
             return driven(steady(60, {1, 1, 0.8, 0.6, 0.3, 0.5, 0, 0.4}), 1.8);
         }},
        {"Church Organ", held(0.12, 0.5),
         [] {
             return chorused(steady(60, {1, 0.7, 0.5, 0.6, 0.3, 0.4, 0.2, 0.35, 0, 0.2, 0, 0.2}),
                             0.4, 0.5, 1);
         }},
        {"Reed Organ", held(0.06, 0.2), [] { return steady(60, oddSpectrum(16, 1.0, 0.5)); }},
        {"Accordion", held(0.04, 0.1),
         [] { return chorused(steady(60, oddSpectrum(20, 0.9, 0.6)), 0.7, 0.25, 2); }},
        {"Harmonica", held(0.04, 0.1),
         [] {
             ToneRecipe r = steady(72, withFormants(sawSpectrum(16, 0.8), 72, {1200.0}, 900.0));
             return breathy(r, 0.3, 0.03);
         }},
        {"Tango Accordion", held(0.03, 0.1),
         [] { return chorused(steady(60, oddSpectrum(20, 0.7, 0.8)), 0.9, 0.2, 2); }},
    };
}

std::vector<Program> guitars() {
    return {
        {"Acoustic Guitar (nylon)", dying(2.5, 0.3), [] { return plucked(52, 0.2, 1.2, 0.15); }},
        {"Acoustic Guitar (steel)", dying(3.0, 0.3), [] { return plucked(52, 0.12, 0.8, 0.2); }},
        {"Electric Guitar (jazz)", dying(3.5, 0.2), [] { return plucked(52, 0.25, 1.8, 0.15); }},
        {"Electric Guitar (clean)", dying(3.5, 0.2), [] { return plucked(52, 0.1, 1.0, 0.15); }},
        {"Electric Guitar (muted)", dying(0.5, 0.05), [] { return plucked(52, 0.2, 1.5, 0.05); }},
        {"Overdriven Guitar", held(0.003, 0.08),
         [] { return driven(plucked(40, 0.15, 1.0, 0.05), 2.5); }},
        {"Distortion Guitar", {}, nullptr},
        {"Guitar harmonics", dying(3.0, 0.3),
         [] {
             return struck(64, {{2.0, 0.5}}, 0.1);
         }},
    };
}

std::vector<Program> basses() {
    return {
        {"Acoustic Bass", dying(3.0, 0.15), [] { return plucked(36, 0.25, 2.0, 0.1); }},
        {"Electric Bass (finger)", dying(3.5, 0.1), [] { return plucked(36, 0.2, 1.6, 0.08); }},
        {"Electric Bass (pick)", {}, nullptr},
        {"Fretless Bass", held(0.02, 0.1), [] { return steady(36, sawSpectrum(8, 2.2)); }},
        {"Slap Bass 1", dying(2.5, 0.1),
         [] {
             ToneRecipe r = plucked(36, 0.1, 0.6, 0.08);
             r.attackNoise = 0.6;
             return r;
         }},
        {"Slap Bass 2", dying(2.0, 0.1), [] { return driven(plucked(36, 0.08, 0.5, 0.06), 1.5); }},
        {"Synth Bass 1", held(0.003, 0.08), [] { return steady(36, sawSpectrum(20, 1.3)); }},
        {"Synth Bass 2", held(0.005, 0.1), [] { return fm(36, 1, 3.0, 1.2, 0.15); }},
    };
}

ToneRecipe bowed(int unity, double rolloff, const std::vector<double>& body) {
    ToneRecipe r = steady(unity, withFormants(sawSpectrum(28, rolloff), unity, body, 700.0));
    r.attackNoise = 0.08;
    r.noiseCutoffHz = 4000.0;
    r.attackSeconds = 0.1;
    return chorused(r, 0.25, 0.2, 1); // a touch of vibrato-like movement
}

std::vector<Program> strings() {
    return {
        {"Violin", held(0.06, 0.2),
         [] {
             return bowed(67, 0.9, {500.0, 2800.0});
         }},
        {"Viola", held(0.07, 0.2),
         [] {
             return bowed(60, 1.0, {400.0, 1800.0});
         }},
        {"Cello", held(0.08, 0.25),
         [] {
             return bowed(48, 1.0, {250.0, 1200.0});
         }},
        {"Contrabass", held(0.1, 0.25),
         [] {
             return bowed(36, 1.1, {150.0, 700.0});
         }},
        {"Tremolo Strings", held(0.05, 0.2),
         [] {
             ToneRecipe r = bowed(60, 1.0, {450.0, 2000.0});
             r.loopSeconds = 0.25;
             r.chorusLevel = 0.0;
             r.tremoloDepth = 0.8;
             r.tremoloCycles = 3;
             return r;
         }},
        {"Pizzicato Strings", dying(0.8, 0.15), [] { return plucked(60, 0.3, 1.5, 0.08); }},
        {"Orchestral Harp", dying(3.0, 0.5), [] { return plucked(60, 0.35, 2.2, 0.2); }},
        {"Timpani", dying(2.5, 0.4),
         [] {
             ToneRecipe r = struck(48, {{1.5, 0.5}, {1.98, 0.4}, {2.44, 0.3}}, 0.3);
             r.attackNoise = 0.3;
             r.noiseCutoffHz = 1500.0;
             return r;
         }},
    };
}

ToneRecipe ensemble(int unity, double rolloff, double level) {
    return chorused(steady(unity, sawSpectrum(28, rolloff)), level, 0.5, 1);
}

ToneRecipe voice(int unity, const std::vector<double>& vowel) {
    ToneRecipe r = steady(unity, withFormants(sawSpectrum(30, 1.0), unity, vowel, 200.0));
    r.steadyNoise = 0.02;
    r.noiseCutoffHz = 2500.0;
    return chorused(r, 0.6, 0.5, 2);
}

std::vector<Program> ensembles() {
    return {
        {"String Ensemble 1", held(0.15, 0.4), [] { return ensemble(60, 1.0, 0.8); }},
        {"String Ensemble 2", held(0.3, 0.6), [] { return ensemble(60, 1.3, 0.8); }},
        {"SynthStrings 1", held(0.1, 0.4), [] { return ensemble(60, 0.9, 1.0); }},
        {"SynthStrings 2", held(0.2, 0.5), [] { return ensemble(60, 1.4, 1.0); }},
        {"Choir Aahs", held(0.2, 0.5), [] { return voice(60, kVowelA); }},
        {"Voice Oohs", held(0.15, 0.4), [] { return voice(60, kVowelU); }},
        {"Synth Voice", held(0.1, 0.4), [] { return voice(60, kVowelO); }},
        {"Orchestra Hit", dying(0.6, 0.3),
         [] {
             ToneRecipe r = ensemble(60, 0.8, 0.8);
             r.struck = {{1.5, 0.6}, {2.0, 0.6}, {3.0, 0.4}};
             r.attackSeconds = 0.3;
             r.attackNoise = 0.3;
             return r;
         }},
    };
}

ToneRecipe horn(int unity, double rolloff, double bright, const std::vector<double>& body) {
    ToneRecipe r = steady(unity, withFormants(sawSpectrum(30, rolloff), unity, body, 900.0));
    // Brass speaks dark and opens up.
    r.attackHarmonics = sawSpectrum(30, rolloff + bright);
    r.attackSeconds = 0.06;
    return r;
}

std::vector<Program> brass() {
    return {
        {"Trumpet", held(0.03, 0.1),
         [] {
             return horn(67, 0.8, 1.2, {1200.0, 2500.0});
         }},
        {"Trombone", held(0.04, 0.12),
         [] {
             return horn(48, 0.9, 1.2, {600.0, 1400.0});
         }},
        {"Tuba", held(0.05, 0.15),
         [] {
             return horn(36, 1.3, 1.0, {250.0, 500.0});
         }},
        {"Muted Trumpet", held(0.03, 0.1), [] { return horn(67, 0.9, 0.8, {1800.0}); }},
        {"French Horn", held(0.06, 0.2),
         [] {
             return horn(53, 1.5, 0.8, {400.0, 900.0});
         }},
        {"Brass Section", held(0.04, 0.15),
         [] {
             return chorused(horn(60, 0.8, 1.0, {900.0, 2000.0}), 0.7, 0.4, 1);
         }},
        {"SynthBrass 1", held(0.02, 0.15),
         [] { return driven(steady(60, sawSpectrum(30, 0.9)), 1.2); }},
        {"SynthBrass 2", held(0.04, 0.2), [] { return fm(60, 1, 4.0, 2.5, 0.1); }},
    };
}

ToneRecipe reed(int unity, std::vector<double> spectrum, const std::vector<double>& body) {
    ToneRecipe r = steady(unity, withFormants(std::move(spectrum), unity, body, 600.0));
    return breathy(r, 0.15, 0.02);
}

std::vector<Program> reeds() {
    return {
        {"Soprano Sax", held(0.03, 0.1),
         [] {
             return reed(67, sawSpectrum(24, 0.9), {900.0, 2500.0});
         }},
        {"Alto Sax", held(0.03, 0.1),
         [] {
             return reed(60, sawSpectrum(24, 0.9), {700.0, 1800.0});
         }},
        {"Tenor Sax", held(0.03, 0.12),
         [] {
             return reed(53, sawSpectrum(24, 0.9), {500.0, 1500.0});
         }},
        {"Baritone Sax", held(0.04, 0.12),
         [] {
             return reed(45, sawSpectrum(24, 1.0), {350.0, 1100.0});
         }},
        {"Oboe", held(0.03, 0.1),
         [] {
             return reed(69, sawSpectrum(20, 0.6), {1400.0, 3000.0});
         }},
        {"English Horn", held(0.04, 0.1),
         [] {
             return reed(62, sawSpectrum(20, 0.7), {1000.0, 2500.0});
         }},
        {"Bassoon", held(0.04, 0.12),
         [] {
             return reed(48, sawSpectrum(20, 0.8), {450.0, 1200.0});
         }},
        {"Clarinet", held(0.03, 0.1),
         [] { return reed(60, oddSpectrum(20, 1.0, 0.08), {1500.0}); }},
    };
}

ToneRecipe pipe(int unity, double second, double third, double breath) {
    return breathy(steady(unity, {1.0, second, third, 0.05}), 0.5, breath);
}

std::vector<Program> pipes() {
    return {
        {"Piccolo", held(0.03, 0.1), [] { return pipe(84, 0.1, 0.05, 0.03); }},
        {"Flute", held(0.05, 0.12), [] { return pipe(72, 0.2, 0.1, 0.04); }},
        {"Recorder", held(0.03, 0.08), [] { return pipe(72, 0.1, 0.3, 0.02); }},
        {"Pan Flute", held(0.06, 0.15), [] { return pipe(72, 0.05, 0.1, 0.1); }},
        {"Blown Bottle", held(0.1, 0.15), [] { return pipe(60, 0.02, 0.0, 0.15); }},
        {"Shakuhachi", held(0.08, 0.15), [] { return pipe(67, 0.3, 0.15, 0.12); }},
        {"Whistle", held(0.02, 0.08), [] { return pipe(84, 0.02, 0.0, 0.01); }},
        {"Ocarina", held(0.03, 0.1), [] { return pipe(72, 0.05, 0.02, 0.02); }},
    };
}

std::vector<Program> leads() {
    return {
        {"Lead 1 (square)", held(0.005, 0.1), [] { return steady(64, oddSpectrum(28, 1.0, 0.0)); }},
        {"Lead 2 (sawtooth)", {}, nullptr},
        {"Lead 3 (calliope)", held(0.02, 0.15), [] { return pipe(64, 0.4, 0.2, 0.06); }},
        {"Lead 4 (chiff)", held(0.005, 0.15),
         [] {
             ToneRecipe r = steady(64, oddSpectrum(12, 1.5, 0.3));
             return breathy(r, 0.9, 0.0);
         }},
        {"Lead 5 (charang)", held(0.005, 0.15),
         [] { return driven(plucked(52, 0.1, 1.0, 0.05), 3.0); }},
        {"Lead 6 (voice)", held(0.05, 0.2), [] { return voice(64, kVowelA); }},
        {"Lead 7 (fifths)", held(0.01, 0.15),
         [] {
             return steady(52, {1.0, 0.5, 0.9, 0.25, 0.2, 0.45, 0.14, 0.12, 0.3});
         }},
        {"Lead 8 (bass + lead)", held(0.005, 0.15),
         [] { return driven(steady(52, sawSpectrum(28, 1.0)), 1.5); }},
    };
}

std::vector<Program> pads() {
    return {
        {"Pad 1 (new age)", held(0.3, 1.0),
         [] {
             ToneRecipe r = fm(60, 2, 3.0, 0.8, 0.4);
             r.harmonics = {0.5, 0.2};
             return chorused(r, 0.4, 0.5, 1);
         }},
        {"Pad 2 (warm)", held(0.5, 1.0), [] { return ensemble(60, 1.8, 1.0); }},
        {"Pad 3 (polysynth)", held(0.1, 0.6), [] { return ensemble(60, 1.0, 0.9); }},
        {"Pad 4 (choir)", held(0.6, 1.2), [] { return voice(60, kVowelO); }},
        {"Pad 5 (bowed)", held(0.6, 1.0),
         [] {
             return bowed(60, 1.5, {500.0, 1500.0});
         }},
        {"Pad 6 (metallic)", held(0.3, 1.2),
         [] { return chorused(fm(60, 3, 2.0, 2.0, 0.1), 0.8, 0.5, 1); }},
        {"Pad 7 (halo)", held(0.5, 1.5), [] { return chorused(voice(72, kVowelU), 0.9, 0.5, 1); }},
        {"Pad 8 (sweep)", held(0.8, 1.5),
         [] {
             ToneRecipe r = ensemble(60, 1.2, 0.9);
             r.loopSeconds = 1.0;
             r.tremoloDepth = 0.5;
             r.tremoloCycles = 1;
             return r;
         }},
    };
}

std::vector<Program> synthEffects() {
    return {
        {"FX 1 (rain)", dying(3.0, 0.8),
         [] {
             ToneRecipe r = struck(84, {{3.0, 0.5}, {7.1, 0.3}}, 0.2);
             r.steadyNoise = 0.15;
             r.noiseCutoffHz = 6000.0;
             return r;
         }},
        {"FX 2 (soundtrack)", held(0.5, 1.5), [] { return ensemble(48, 1.6, 1.0); }},
        {"FX 3 (crystal)", dying(3.5, 1.0), [] { return fm(72, 5, 3.0, 0.5, 0.3); }},
        {"FX 4 (atmosphere)", held(0.1, 1.0),
         [] {
             ToneRecipe r = plucked(60, 0.15, 1.0, 0.2);
             return chorused(r, 0.8, 0.5, 1);
         }},
        {"FX 5 (brightness)", held(0.2, 1.0),
         [] { return chorused(fm(72, 4, 2.0, 1.0, 0.2), 0.6, 0.5, 1); }},
        {"FX 6 (goblins)", held(0.6, 1.0),
         [] {
             ToneRecipe r = voice(48, kVowelO);
             r.loopSeconds = 0.8;
             r.tremoloDepth = 0.7;
             r.tremoloCycles = 3;
             return r;
         }},
        {"FX 7 (echoes)", held(0.05, 1.5),
         [] {
             ToneRecipe r = fm(60, 2, 1.5, 1.0, 0.05);
             r.loopSeconds = 1.0;
             r.tremoloDepth = 0.8;
             r.tremoloCycles = 3;
             return r;
         }},
        {"FX 8 (sci-fi)", held(0.1, 1.0),
         [] {
             ToneRecipe r = fm(60, 7, 5.0, 2.5, 0.3);
             r.loopSeconds = 0.5;
             r.tremoloDepth = 0.5;
             r.tremoloCycles = 4;
             return r;
         }},
    };
}

std::vector<Program> ethnic() {
    return {
        {"Sitar", dying(3.0, 0.3), [] { return driven(plucked(55, 0.05, 0.6, 0.3), 1.4); }},
        {"Banjo", dying(1.5, 0.15), [] { return plucked(60, 0.06, 0.5, 0.08); }},
        {"Shamisen", dying(1.5, 0.15),
         [] {
             ToneRecipe r = plucked(55, 0.07, 0.5, 0.08);
             r.attackNoise = 0.5;
             return r;
         }},
        {"Koto", dying(3.0, 0.3), [] { return plucked(60, 0.15, 0.7, 0.15); }},
        {"Kalimba", dying(1.5, 0.2),
         [] {
             return struck(72, {{5.9, 0.4}, {10.6, 0.2}}, 0.08);
         }},
        {"Bag pipe", held(0.05, 0.08),
         [] {
             return reed(62, sawSpectrum(24, 0.5), {1000.0, 2800.0});
         }},
        {"Fiddle", held(0.04, 0.15),
         [] {
             return bowed(67, 0.8, {700.0, 2600.0});
         }},
        {"Shanai", held(0.03, 0.1),
         [] {
             return reed(67, sawSpectrum(24, 0.5), {1600.0, 3200.0});
         }},
    };
}

std::vector<Program> percussive() {
    return {
        {"Tinkle Bell", dying(2.0, 0.5), [] { return fm(84, 7, 2.0, 0.3, 0.3); }},
        {"Agogo", dying(0.8, 0.2),
         [] {
             return struck(72, {{2.4, 0.6}, {4.2, 0.3}}, 0.15);
         }},
        {"Steel Drums", dying(1.5, 0.3),
         [] {
             return struck(64, {{2.0, 0.6}, {3.0, 0.4}, {4.9, 0.2}}, 0.15);
         }},
        {"Woodblock", dying(0.25, 0.05),
         [] {
             return struck(72, {{2.8, 0.7}, {5.1, 0.4}}, 0.05);
         }},
        {"Taiko Drum", dying(1.5, 0.3),
         [] {
             ToneRecipe r = struck(48, {{1.6, 0.6}, {2.3, 0.4}}, 0.3);
             r.harmonics = {1.0, 0.4, 0.15};
             r.attackNoise = 0.4;
             r.noiseCutoffHz = 800.0;
             return r;
         }},
        {"Melodic Tom", dying(0.8, 0.2),
         [] {
             ToneRecipe r = struck(48, {{1.5, 0.5}}, 0.2);
             r.attackNoise = 0.4;
             r.noiseCutoffHz = 2000.0;
             return r;
         }},
        {"Synth Drum", dying(1.0, 0.2), [] { return fm(48, 1, 3.0, 0.0, 0.2); }},
        {"Reverse Cymbal", held(1.5, 0.1), [] { return noisy(9000.0, 0.3, 0.0, 0, 31); }},
    };
}

std::vector<Program> soundEffects() {
    return {
        {"Guitar Fret Noise", dying(0.3, 0.1), [] { return noisy(3000.0, 0.1, 0.0, 0, 41); }},
        {"Breath Noise", held(0.1, 0.2), [] { return noisy(1500.0, 0.4, 0.3, 1, 43); }},
        {"Seashore", held(0.5, 1.0), [] { return noisy(2000.0, 1.5, 0.85, 1, 47); }},
        {"Bird Tweet", held(0.01, 0.1),
         [] {
             ToneRecipe r = fm(84, 1, 0.5, 0.5, 0.01);
             r.loopSeconds = 0.3;
             r.tremoloDepth = 1.0;
             r.tremoloCycles = 4;
             return r;
         }},
        {"Telephone Ring", held(0.01, 0.1),
         [] {
             ToneRecipe r = fm(76, 2, 1.0, 1.0, 0.01);
             r.loopSeconds = 0.1; // a bell struck 20 times a second
             r.tremoloDepth = 0.9;
             r.tremoloCycles = 2;
             return r;
         }},
        {"Helicopter", held(0.3, 0.5), [] { return noisy(600.0, 0.33, 0.9, 4, 53); }},
        {"Applause", held(0.3, 0.8), [] { return noisy(5000.0, 1.0, 0.5, 7, 59); }},
        {"Gunshot", dying(0.6, 0.3),
         [] {
             ToneRecipe r = noisy(2500.0, 0.1, 0.0, 0, 61);
             r.attackNoise = 3.0;
             r.attackSeconds = 0.3;
             return r;
         }},
    };
}

} // namespace

std::vector<DlsInstrument> generalMidiMelodic(const std::vector<DlsInstrument>& kept) {
    std::vector<std::vector<Program>> families = {pianos(),       chromaticPercussion(),
                                                  organs(),       guitars(),
                                                  basses(),       strings(),
                                                  ensembles(),    brass(),
                                                  reeds(),        pipes(),
                                                  leads(),        pads(),
                                                  synthEffects(), ethnic(),
                                                  percussive(),   soundEffects()};
    std::vector<DlsInstrument> instruments;
    int program = 0;
    for (const std::vector<Program>& family : families) {
        for (const Program& p : family) {
            const DlsInstrument* keep = nullptr;
            for (const DlsInstrument& k : kept) {
                if (!k.drum && k.program == program) {
                    keep = &k;
                }
            }
            if (keep != nullptr) {
                instruments.push_back(*keep);
            } else if (!p.recipe) {
                throw std::logic_error(std::string("gm.dls: no recipe for ") + p.name);
            } else {
                ToneRecipe recipe = p.recipe();
                recipe.fadeInSeconds = p.contour.attack;
                recipe.decaySeconds = p.contour.decay;
                // The swell and decay are in the wave; the release is the
                // bank's, for players that honour it.
                const DlsEnvelope envelope{0.002, p.contour.release};
                instruments.push_back(
                    {p.name, program, false, envelope, {{0, 127, renderTone(recipe)}}});
            }
            ++program;
        }
    }
    return instruments;
}
