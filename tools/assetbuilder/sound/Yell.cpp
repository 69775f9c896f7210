// A source-filter voice: a sawtooth "glottis" whose pitch leaps up and then
// falls away, with breath noise, through three formant resonators gliding
// from an open "aah" towards a darker "oh".
#include "Yell.h"

#include "Synthesis.h"

#include <algorithm>

namespace {

struct Formants {
    double f1, f2, f3;
};

constexpr Formants kAah = {800.0, 1200.0, 2500.0};
constexpr Formants kOh = {500.0, 900.0, 2400.0};

double pitchAt(double t) {
    const double rise = std::min(1.0, t / 0.12);
    const double fall = std::max(0.0, (t - 0.3) / (kYellSeconds - 0.3));
    const double vibrato = 1.0 + 0.03 * std::sin(kTwoPi * 6.5 * t);
    return (260.0 + 170.0 * rise - 190.0 * fall * fall) * vibrato;
}

double loudnessAt(double t) {
    const double attack = std::min(1.0, t / 0.03);
    const double release = std::clamp((kYellSeconds - t) / 0.3, 0.0, 1.0);
    return attack * release;
}

} // namespace

std::vector<float> synthesizeYell() {
    const std::size_t frames = static_cast<std::size_t>(kYellSeconds * kYellRate);
    std::vector<float> samples(frames);
    Noise breath(3);
    Resonator first(kAah.f1, 90.0, kYellRate);
    Resonator second(kAah.f2, 110.0, kYellRate);
    Resonator third(kAah.f3, 160.0, kYellRate);
    double phase = 0.0;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / kYellRate;
        const double glide = std::min(1.0, t / kYellSeconds);
        first.tune(kAah.f1 + (kOh.f1 - kAah.f1) * glide, 90.0, kYellRate);
        second.tune(kAah.f2 + (kOh.f2 - kAah.f2) * glide, 110.0, kYellRate);
        third.tune(kAah.f3 + (kOh.f3 - kAah.f3) * glide, 160.0, kYellRate);
        phase += pitchAt(t) / kYellRate;
        phase -= std::floor(phase);
        const float source = static_cast<float>(2.0 * phase - 1.0) + 0.25f * breath.next();
        const float voice = first(source) + 0.7f * second(source) + 0.35f * third(source);
        samples[i] = static_cast<float>(voice * loudnessAt(t));
    }
    const float peak =
        std::max(1e-6f, *std::max_element(samples.begin(), samples.end(), [](float a, float b) {
                     return std::fabs(a) < std::fabs(b);
                 }));
    for (float& s : samples) {
        s *= 0.9f / std::fabs(peak);
    }
    return samples;
}
