// The instruments of "soMusMetal.mid" were made first and keep their own
// samples in the full bank, so the song sounds the same with either. Melodic
// instruments are one looped waveform each: an unlooped attack, then a whole
// number of periods that repeats seamlessly. Drums are one-shot samples per
// key.
#include "GmBank.h"

#include "GmDrums.h"
#include "GmMelodic.h"
#include "MetalSong.h"
#include "Synthesis.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int kRate = 22050;

// A shape gives a sample from the phase in periods and the time in seconds;
// after the attack it must depend on the phase alone.
using Shape = std::function<float(double phase, double seconds)>;

DlsWave loopedTone(int unityNote, double attackSeconds, const Shape& shape) {
    const double period = kRate / noteHz(unityNote);
    // The loop holds the number of periods that lands closest to a whole
    // number of frames; the tone is retuned by that tiny error so it does.
    int periods = 1;
    double bestError = 1.0;
    for (int n = 1; n * period < 0.5 * kRate; ++n) {
        const double error = std::fabs(n * period - std::round(n * period));
        if (n * period >= 0.05 * kRate && error < bestError) {
            bestError = error;
            periods = n;
        }
    }
    DlsWave wave;
    wave.sampleRate = kRate;
    wave.unityNote = unityNote;
    wave.loopStart = static_cast<std::uint32_t>(std::lround(attackSeconds * kRate));
    wave.loopLength = static_cast<std::uint32_t>(std::lround(periods * period));
    const double hz = periods * static_cast<double>(kRate) / wave.loopLength;
    wave.samples.resize(wave.loopStart + wave.loopLength);
    for (std::size_t i = 0; i < wave.samples.size(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        wave.samples[i] = shape(hz * t, t);
    }
    return wave;
}

double sawtooth(double phase, int harmonics, double rolloff) {
    double sum = 0.0;
    for (int n = 1; n <= harmonics; ++n) {
        sum += std::sin(kTwoPi * n * phase) / std::pow(n, rolloff);
    }
    return sum;
}

DlsInstrument distortionGuitar() {
    Noise pick(7);
    const double attack = 0.04;
    DlsWave wave = loopedTone(40, attack, [&](double phase, double t) {
        double x = 0.55 * sawtooth(phase, 24, 1.0);
        if (t < attack) {
            x += 0.5 * pick.next() * (1.0 - t / attack);
        }
        return static_cast<float>(0.7 * std::tanh(3.0 * x));
    });
    return {"Distortion Guitar", metal::kRhythmGuitar, false, {0.002, 0.06}, {{0, 127, wave}}};
}

DlsInstrument pickedBass() {
    DlsWave wave = loopedTone(28, 0.02, [](double phase, double) {
        return static_cast<float>(0.8 * std::tanh(1.5 * 0.6 * sawtooth(phase, 10, 1.5)));
    });
    return {"Electric Bass (pick)", metal::kBass, false, {0.003, 0.08}, {{0, 127, wave}}};
}

DlsInstrument sawLead() {
    DlsWave wave = loopedTone(64, 0.01, [](double phase, double) {
        return static_cast<float>(0.45 * sawtooth(phase, 28, 1.0));
    });
    return {"Lead 2 (sawtooth)", metal::kLead, false, {0.01, 0.25}, {{0, 127, wave}}};
}

DlsWave oneShot(int key, double seconds, const std::function<float(double)>& shape) {
    DlsWave wave;
    wave.sampleRate = kRate;
    wave.unityNote = key;
    wave.samples.resize(static_cast<std::size_t>(seconds * kRate));
    for (std::size_t i = 0; i < wave.samples.size(); ++i) {
        wave.samples[i] = shape(static_cast<double>(i) / kRate);
    }
    return wave;
}

DlsWave kick() {
    Noise click(11);
    double phase = 0.0;
    return oneShot(metal::kKick, 0.45, [&](double t) {
        phase += (45.0 + 75.0 * std::exp(-t / 0.03)) / kRate;
        const double body = std::sin(kTwoPi * phase) * std::exp(-t / 0.16);
        return static_cast<float>(0.9 * body + 0.3 * click.next() * std::exp(-t / 0.003));
    });
}

DlsWave snare() {
    Noise rattle(13);
    LowPass tone(6000.0, kRate);
    return oneShot(metal::kSnare, 0.35, [&](double t) {
        const double noise = tone(rattle.next()) * std::exp(-t / 0.1);
        const double body = std::sin(kTwoPi * 185.0 * t) * std::exp(-t / 0.05);
        return static_cast<float>(0.6 * noise + 0.45 * body);
    });
}

// Noise with its lows taken out, decaying over `decaySeconds`.
DlsWave cymbal(int key, double seconds, double decaySeconds, std::uint32_t seed) {
    Noise hiss(seed);
    LowPass lows(3000.0, kRate);
    return oneShot(key, seconds, [&, decaySeconds](double t) {
        const float x = hiss.next();
        const double attack = std::min(1.0, t / 0.002);
        return static_cast<float>(0.9 * (x - lows(x)) * attack * std::exp(-t / decaySeconds));
    });
}

DlsInstrument drumKit() {
    DlsInstrument kit{"Standard Kit", 0, true, {0.001, 1.5}, {}};
    for (DlsWave wave : {kick(), snare(), cymbal(metal::kClosedHat, 0.15, 0.03, 17),
                         cymbal(metal::kCrash, 1.8, 0.5, 19)}) {
        kit.regions.push_back({wave.unityNote, wave.unityNote, wave});
    }
    return kit;
}

} // namespace

std::vector<DlsInstrument> metalSongInstruments() {
    return {distortionGuitar(), pickedBass(), sawLead(), drumKit()};
}

std::vector<DlsInstrument> generalMidiInstruments() {
    const std::vector<DlsInstrument> song = metalSongInstruments();
    std::vector<DlsInstrument> bank = generalMidiMelodic(song);
    DlsInstrument kit = drumKit();
    for (const DlsWave& wave : generalMidiDrumSounds()) {
        const bool kept =
            std::any_of(kit.regions.begin(), kit.regions.end(),
                        [&](const DlsRegion& r) { return r.lowKey == wave.unityNote; });
        if (!kept) {
            kit.regions.push_back({wave.unityNote, wave.unityNote, wave});
        }
    }
    std::sort(kit.regions.begin(), kit.regions.end(),
              [](const DlsRegion& a, const DlsRegion& b) { return a.lowKey < b.lowKey; });
    bank.push_back(kit);
    return bank;
}
