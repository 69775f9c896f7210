// The melodic instruments of the bank are one looped wave each, described by
// a recipe: a steady harmonic spectrum that the loop repeats, and whatever
// happens only in the unlooped start (a brighter spectrum, inharmonic
// partials of a struck body, a noise burst, a falling FM index, a slow
// swell, the dying away of a struck string). Everything in the loop is
// periodic in it, so the loop repeats without a seam.
//
// Swells and decays are in the samples rather than in the bank's
// articulation: the synthesizer's DLS loader ignores articulation, so a
// piano would otherwise ring on like an organ.
#pragma once

#include "DlsWriter.h"

#include <vector>

// Melodic samples are made at 16 kHz (content up to 7 kHz, a 16-bit sample
// every 62.5 us), which keeps the bank small enough to hold the decays.
constexpr int kMelodicRate = 16000;

struct Partial {
    double ratio;     // to the fundamental
    double amplitude; // at the start; fades out by the end of the attack
};

struct ToneRecipe {
    int unityNote = 60;
    double attackSeconds = 0.05;
    // The loop is at least this long; longer loops let chorus and tremolo
    // move slowly.
    double loopSeconds = 0.05;
    std::vector<double> harmonics;       // steady amplitudes of harmonics 1, 2, ...
    std::vector<double> attackHarmonics; // at the start, blending into the steady ones
    std::vector<Partial> struck;         // inharmonic partials of the attack
    // Frequency modulation of a sine carrier: the modulator runs at
    // `fmRatio` times the fundamental (a whole number, so it stays periodic).
    double fmLevel = 0.0;
    int fmRatio = 1;
    double fmIndexStart = 0.0;
    double fmIndexEnd = 0.0;
    double attackNoise = 0.0; // a burst that dies with the attack
    double steadyNoise = 0.0; // breath or hiss that stays
    double noiseCutoffHz = 5000.0;
    double drive = 0.0; // tanh saturation; 0 leaves the wave clean
    // A copy of the harmonics `chorusCycles` beats per loop off pitch.
    double chorusLevel = 0.0;
    int chorusCycles = 0;
    // Amplitude modulation of `tremoloCycles` cycles per loop.
    double tremoloDepth = 0.0;
    int tremoloCycles = 0;
    // A linear swell over this long, from silence.
    double fadeInSeconds = 0.0;
    // Falling 96 dB over this long (0: no decay); the loop holds the level
    // reached at `kDecayHeldAfter` seconds.
    double decaySeconds = 0.0;
    double peak = 0.8; // the wave is normalised to this peak
    unsigned seed = 1;
};

constexpr double kDecayHeldAfter = 0.7;

DlsWave renderTone(const ToneRecipe& recipe);

// Spectra of common wave shapes, `count` harmonics long.
std::vector<double> sawSpectrum(int count, double rolloff);
// Odd harmonics at 1/n^rolloff; even ones at `evenLevel` of that.
std::vector<double> oddSpectrum(int count, double rolloff, double evenLevel);
// A string plucked or struck at `position` (0..0.5) of its length.
std::vector<double> pluckSpectrum(int count, double position, double rolloff);
// `spectrum` shaped by vocal-tract-like resonances at `formantsHz`, as heard
// at the note `unityNote`.
std::vector<double> withFormants(std::vector<double> spectrum, int unityNote,
                                 const std::vector<double>& formantsHz, double widthHz);
