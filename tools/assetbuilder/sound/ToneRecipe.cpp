// Rendering of tone recipes, sample by sample at the bank's rate.
#include "ToneRecipe.h"

#include "Synthesis.h"

#include <algorithm>
#include <cmath>

namespace {

// Number of periods whose length lands closest to a whole number of frames,
// among loops a little longer than `minSeconds` (the bank's size is mostly
// its loops).
int loopPeriods(double period, double minSeconds) {
    const double shortest = minSeconds * kMelodicRate;
    const double longest = (1.1 * minSeconds + 0.05) * kMelodicRate;
    int periods = std::max(1, static_cast<int>(std::ceil(shortest / period)));
    int best = periods;
    double bestError = 1.0;
    for (int n = periods; n * period < longest; ++n) {
        const double error = std::fabs(n * period - std::round(n * period));
        if (error < bestError) {
            bestError = error;
            best = n;
        }
    }
    return best;
}

// 1 at the start, falling smoothly to exactly 0 at the end of the attack, so
// whatever it scales is gone before the loop.
double attackWeight(double seconds, double attackSeconds) {
    if (attackSeconds <= 0.0 || seconds >= attackSeconds) {
        return 0.0;
    }
    const double rest = 1.0 - seconds / attackSeconds;
    return rest * rest;
}

double harmonicSum(const std::vector<double>& steady, const std::vector<double>& start,
                   double weight, double phase, double hz) {
    double sum = 0.0;
    const std::size_t count = std::max(steady.size(), start.size());
    for (std::size_t i = 0; i < count; ++i) {
        const double n = static_cast<double>(i + 1);
        if (n * hz > 0.45 * kMelodicRate) {
            break;
        }
        const double a = i < steady.size() ? steady[i] : 0.0;
        const double b = i < start.size() ? start[i] : a;
        const double amplitude = a + (b - a) * weight;
        if (amplitude != 0.0) {
            sum += amplitude * std::sin(kTwoPi * n * phase);
        }
    }
    return sum;
}

// The swell and decay at `seconds`; constant from the start of the loop on.
double contour(const ToneRecipe& r, double seconds) {
    double level = 1.0;
    if (r.fadeInSeconds > 0.0) {
        level *= std::min(1.0, seconds / r.fadeInSeconds);
    }
    if (r.decaySeconds > 0.0) {
        const double decibels = -96.0 * std::min(seconds, kDecayHeldAfter) / r.decaySeconds;
        level *= std::pow(10.0, decibels / 20.0);
    }
    return level;
}

double unloopedSeconds(const ToneRecipe& r) {
    double seconds = std::max(r.attackSeconds, r.fadeInSeconds);
    if (r.decaySeconds > 0.0) {
        seconds = std::max(seconds, std::min(r.decaySeconds, kDecayHeldAfter));
    }
    return seconds;
}

void normalise(std::vector<float>& samples, double peak) {
    float largest = 0.0f;
    for (float s : samples) {
        largest = std::max(largest, std::fabs(s));
    }
    if (largest > 0.0f) {
        const float scale = static_cast<float>(peak) / largest;
        for (float& s : samples) {
            s *= scale;
        }
    }
}

} // namespace

DlsWave renderTone(const ToneRecipe& r) {
    const double period = kMelodicRate / noteHz(r.unityNote);
    const int periods = loopPeriods(period, r.loopSeconds);
    DlsWave wave;
    wave.sampleRate = kMelodicRate;
    wave.unityNote = r.unityNote;
    wave.loopStart = static_cast<std::uint32_t>(std::lround(unloopedSeconds(r) * kMelodicRate));
    wave.loopLength = static_cast<std::uint32_t>(std::lround(periods * period));
    // Retuned by the rounding of the loop, a fraction of a cent.
    const double hz = periods * static_cast<double>(kMelodicRate) / wave.loopLength;
    Noise noise(r.seed);
    LowPass colour(r.noiseCutoffHz, kMelodicRate);
    wave.samples.resize(wave.loopStart + wave.loopLength);
    for (std::size_t i = 0; i < wave.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kMelodicRate;
        const double phase = hz * t;
        const double loopPhase = phase / periods;
        const double w = attackWeight(t, r.attackSeconds);
        double x = harmonicSum(r.harmonics, r.attackHarmonics, w, phase, hz);
        if (r.chorusLevel != 0.0) {
            x += r.chorusLevel *
                 harmonicSum(r.harmonics, {}, 0.0, phase + r.chorusCycles * loopPhase, hz);
        }
        for (const Partial& p : r.struck) {
            if (p.ratio * hz < 0.45 * kMelodicRate) {
                x += p.amplitude * w * std::sin(kTwoPi * p.ratio * phase);
            }
        }
        if (r.fmLevel != 0.0) {
            const double index = r.fmIndexEnd + (r.fmIndexStart - r.fmIndexEnd) * w;
            x +=
                r.fmLevel * std::sin(kTwoPi * phase + index * std::sin(kTwoPi * r.fmRatio * phase));
        }
        const double n = colour(noise.next());
        x += n * (r.steadyNoise + r.attackNoise * w);
        if (r.tremoloDepth != 0.0) {
            x *=
                1.0 - r.tremoloDepth * 0.5 * (1.0 - std::cos(kTwoPi * r.tremoloCycles * loopPhase));
        }
        if (r.drive > 0.0) {
            x = std::tanh(r.drive * x);
        }
        wave.samples[i] = static_cast<float>(x * contour(r, t));
    }
    normalise(wave.samples, r.peak);
    return wave;
}

std::vector<double> sawSpectrum(int count, double rolloff) {
    std::vector<double> spectrum(static_cast<std::size_t>(count));
    for (int n = 1; n <= count; ++n) {
        spectrum[static_cast<std::size_t>(n - 1)] = 1.0 / std::pow(n, rolloff);
    }
    return spectrum;
}

std::vector<double> oddSpectrum(int count, double rolloff, double evenLevel) {
    std::vector<double> spectrum = sawSpectrum(count, rolloff);
    for (std::size_t i = 1; i < spectrum.size(); i += 2) {
        spectrum[i] *= evenLevel;
    }
    return spectrum;
}

std::vector<double> pluckSpectrum(int count, double position, double rolloff) {
    std::vector<double> spectrum(static_cast<std::size_t>(count));
    double largest = 0.0;
    for (int n = 1; n <= count; ++n) {
        const double a = std::fabs(std::sin(M_PI * n * position)) / std::pow(n, rolloff);
        spectrum[static_cast<std::size_t>(n - 1)] = a;
        largest = std::max(largest, a);
    }
    // Plucked near the bridge every harmonic is weak; the tone must still
    // outweigh the pick's noise.
    for (double& a : spectrum) {
        a /= largest;
    }
    return spectrum;
}

std::vector<double> withFormants(std::vector<double> spectrum, int unityNote,
                                 const std::vector<double>& formantsHz, double widthHz) {
    const double f0 = noteHz(unityNote);
    for (std::size_t i = 0; i < spectrum.size(); ++i) {
        const double f = f0 * static_cast<double>(i + 1);
        double gain = 0.05;
        for (double formant : formantsHz) {
            const double d = (f - formant) / widthHz;
            gain += std::exp(-d * d);
        }
        spectrum[i] *= gain;
    }
    return spectrum;
}
