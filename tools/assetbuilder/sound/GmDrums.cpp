// Drums from four kinds of body: membranes (a sine gliding down onto its
// pitch, with a little noise of the stick), metal (high noise, long decays,
// a few ringing partials), wood and small hand percussion (noise through a
// narrow resonator), and shakers (noise in short grains).
#include "GmDrums.h"

#include "Synthesis.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

// Cymbals, hats and shakers need the highs of 22.05 kHz; drum heads, wood
// and whistles do with 16 kHz, which keeps the kit small.
constexpr int kBrightRate = 22050;
constexpr int kDullRate = 16000;

// A short fade at the end keeps a cut tail from clicking.
constexpr double kEndFadeSeconds = 0.01;

DlsWave oneShot(int key, int rate, double seconds, const std::function<double(double)>& shape) {
    DlsWave wave;
    wave.sampleRate = rate;
    wave.unityNote = key;
    wave.samples.resize(static_cast<std::size_t>(seconds * rate));
    float largest = 0.0f;
    for (std::size_t i = 0; i < wave.samples.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        const double fade = std::min(1.0, (seconds - t) / kEndFadeSeconds);
        wave.samples[i] = static_cast<float>(shape(t) * fade);
        largest = std::max(largest, std::fabs(wave.samples[i]));
    }
    // Every key as strong as the kit's others; the song sets the balance.
    for (float& s : wave.samples) {
        s *= 0.8f / largest;
    }
    return wave;
}

DlsWave membrane(int key, double hz, double decay, double snap, std::uint32_t seed) {
    Noise stick(seed);
    LowPass soft(3000.0, kDullRate);
    double phase = 0.0;
    return oneShot(key, kDullRate, 4.0 * decay, [=](double t) mutable {
        phase += hz * (1.0 + 0.6 * std::exp(-t / 0.02)) / kDullRate;
        const double body = std::sin(kTwoPi * phase) * std::exp(-t / decay);
        return 0.8 * body + snap * soft(stick.next()) * std::exp(-t / 0.02);
    });
}

DlsWave snareLike(int key, double hz, double decay, std::uint32_t seed) {
    Noise rattle(seed);
    LowPass tone(7000.0, kBrightRate);
    return oneShot(key, kBrightRate, 4.0 * decay, [=](double t) mutable {
        const double noise = tone(rattle.next()) * std::exp(-t / decay);
        const double body = std::sin(kTwoPi * hz * t) * std::exp(-t / 0.04);
        return 0.65 * noise + 0.4 * body;
    });
}

DlsWave metal(int key, double seconds, double decay, double lowCutHz, std::vector<double> ringsHz,
              std::uint32_t seed) {
    Noise hiss(seed);
    LowPass lows(lowCutHz, kBrightRate);
    return oneShot(key, kBrightRate, seconds, [=](double t) mutable {
        const float x = hiss.next();
        double ring = 0.0;
        for (double hz : ringsHz) {
            ring += std::sin(kTwoPi * hz * t);
        }
        const double attack = std::min(1.0, t / 0.002);
        return (0.8 * (x - lows(x)) + 0.15 * ring) * attack * std::exp(-t / decay);
    });
}

// A short knock: an impulse of noise ringing a narrow band.
DlsWave knock(int key, double hz, double widthHz, double decay, std::uint32_t seed) {
    Noise strike(seed);
    Resonator body(hz, widthHz, kDullRate);
    return oneShot(key, kDullRate, std::max(0.1, 4.0 * decay), [=](double t) mutable {
        const double excite = strike.next() * std::exp(-t / 0.003);
        return 12.0 * body(static_cast<float>(excite)) +
               0.5 * std::sin(kTwoPi * hz * t) * std::exp(-t / decay);
    });
}

// Noise in `grains` bursts over `seconds`.
DlsWave shaker(int key, double seconds, int grains, double lowCutHz, std::uint32_t seed) {
    Noise hiss(seed);
    LowPass lows(lowCutHz, kBrightRate);
    const double grain = seconds / grains;
    return oneShot(key, kBrightRate, seconds, [=](double t) mutable {
        const float x = hiss.next();
        const double within = std::fmod(t, grain) / grain;
        return 0.9 * (x - lows(x)) * std::sin(M_PI * within);
    });
}

DlsWave whistle(int key, double hz, double seconds) {
    Noise breath(67);
    return oneShot(key, kDullRate, seconds, [=](double t) mutable {
        const double warble = 1.0 + 0.02 * std::sin(kTwoPi * 30.0 * t);
        const double fade = std::min(1.0, std::min(t, seconds - t) / 0.02);
        return fade * (0.7 * std::sin(kTwoPi * hz * warble * t) + 0.05 * breath.next());
    });
}

DlsWave glide(int key, double fromHz, double toHz, double seconds) {
    double phase = 0.0;
    return oneShot(key, kDullRate, seconds, [=](double t) mutable {
        phase += (fromHz + (toHz - fromHz) * t / seconds) / kDullRate;
        const double fade = std::min(1.0, std::min(t, seconds - t) / 0.01);
        return 0.7 * fade * std::sin(kTwoPi * phase + 2.0 * std::sin(kTwoPi * 0.5 * phase));
    });
}

DlsWave triangle(int key, double decay) {
    return oneShot(key, kBrightRate, std::min(2.0, 5.0 * decay), [=](double t) {
        double x = 0.0;
        for (double hz : {4186.0, 5300.0, 7100.0}) {
            x += std::sin(kTwoPi * hz * t);
        }
        return 0.3 * x * std::exp(-t / decay);
    });
}

} // namespace

std::vector<DlsWave> generalMidiDrumSounds() {
    return {
        membrane(35, 50.0, 0.18, 0.3, 101),                          // Acoustic Bass Drum
        membrane(36, 60.0, 0.14, 0.4, 103),                          // Bass Drum 1
        knock(37, 1700.0, 300.0, 0.02, 107),                         // Side Stick
        snareLike(38, 190.0, 0.1, 109),                              // Acoustic Snare
        shaker(39, 0.1, 3, 900.0, 113),                              // Hand Clap
        snareLike(40, 220.0, 0.08, 127),                             // Electric Snare
        membrane(41, 80.0, 0.25, 0.2, 131),                          // Low Floor Tom
        metal(42, 0.15, 0.03, 5000.0, {}, 137),                      // Closed Hi-Hat
        membrane(43, 95.0, 0.25, 0.2, 139),                          // High Floor Tom
        metal(44, 0.2, 0.04, 6000.0, {}, 149),                       // Pedal Hi-Hat
        membrane(45, 110.0, 0.22, 0.2, 151),                         // Low Tom
        metal(46, 0.8, 0.25, 5000.0, {}, 157),                       // Open Hi-Hat
        membrane(47, 130.0, 0.2, 0.2, 163),                          // Low-Mid Tom
        membrane(48, 150.0, 0.2, 0.2, 167),                          // Hi-Mid Tom
        metal(49, 1.8, 0.5, 3000.0, {}, 173),                        // Crash Cymbal 1
        membrane(50, 175.0, 0.18, 0.2, 179),                         // High Tom
        metal(51, 1.2, 0.35, 4000.0, {3200.0, 5100.0}, 181),         // Ride Cymbal 1
        metal(52, 1.2, 0.35, 1500.0, {1100.0, 2300.0}, 191),         // Chinese Cymbal
        metal(53, 0.8, 0.25, 6000.0, {2400.0, 3700.0, 6100.0}, 193), // Ride Bell
        shaker(54, 0.3, 2, 5000.0, 197),                             // Tambourine
        metal(55, 0.8, 0.2, 4000.0, {}, 199),                        // Splash Cymbal
        knock(56, 800.0, 40.0, 0.08, 211),                           // Cowbell
        metal(57, 1.5, 0.45, 2500.0, {}, 223),                       // Crash Cymbal 2
        shaker(58, 0.8, 12, 2000.0, 227),                            // Vibraslap
        metal(59, 1.2, 0.4, 3500.0, {2900.0, 4700.0}, 229),          // Ride Cymbal 2
        knock(60, 400.0, 40.0, 0.08, 233),                           // Hi Bongo
        knock(61, 300.0, 40.0, 0.1, 239),                            // Low Bongo
        knock(62, 350.0, 60.0, 0.04, 241),                           // Mute Hi Conga
        knock(63, 330.0, 30.0, 0.15, 251),                           // Open Hi Conga
        knock(64, 220.0, 30.0, 0.18, 257),                           // Low Conga
        knock(65, 600.0, 30.0, 0.2, 263),                            // High Timbale
        knock(66, 450.0, 30.0, 0.25, 269),                           // Low Timbale
        knock(67, 900.0, 15.0, 0.25, 271),                           // High Agogo
        knock(68, 650.0, 15.0, 0.25, 277),                           // Low Agogo
        shaker(69, 0.25, 1, 6000.0, 281),                            // Cabasa
        shaker(70, 0.15, 1, 7000.0, 283),                            // Maracas
        whistle(71, 2300.0, 0.2),                                    // Short Whistle
        whistle(72, 2100.0, 0.6),                                    // Long Whistle
        shaker(73, 0.15, 6, 2000.0, 293),                            // Short Guiro
        shaker(74, 0.4, 14, 2000.0, 307),                            // Long Guiro
        knock(75, 2500.0, 50.0, 0.05, 311),                          // Claves
        knock(76, 1300.0, 100.0, 0.04, 313),                         // Hi Wood Block
        knock(77, 1000.0, 100.0, 0.04, 317),                         // Low Wood Block
        glide(78, 500.0, 900.0, 0.25),                               // Mute Cuica
        glide(79, 700.0, 350.0, 0.35),                               // Open Cuica
        triangle(80, 0.1),                                           // Mute Triangle
        triangle(81, 0.8),                                           // Open Triangle
    };
}
