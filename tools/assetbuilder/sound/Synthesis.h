// Small building blocks shared by the sound generators: note pitches, a
// repeatable noise source, and single-pole filters.
#pragma once

#include <cmath>
#include <cstdint>

constexpr double kTwoPi = 6.283185307179586;

inline double noteHz(double key) {
    return 440.0 * std::pow(2.0, (key - 69.0) / 12.0);
}

// The same noise on every build, so generated files do not change.
class Noise {
  public:
    explicit Noise(std::uint32_t seed) : state_(seed) {}
    float next() {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<float>(state_ >> 8) / 8388608.0f - 1.0f;
    }

  private:
    std::uint32_t state_;
};

// One-pole low-pass; `cutoffHz` at `rate`.
class LowPass {
  public:
    LowPass(double cutoffHz, double rate) : k_(1.0 - std::exp(-kTwoPi * cutoffHz / rate)) {}
    float operator()(float x) {
        y_ += static_cast<float>(k_) * (x - y_);
        return y_;
    }

  private:
    double k_;
    float y_ = 0.0f;
};

// Two-pole resonator: a band around `centreHz`, `widthHz` wide, unit gain
// at the centre.
class Resonator {
  public:
    Resonator(double centreHz, double widthHz, double rate) { tune(centreHz, widthHz, rate); }
    void tune(double centreHz, double widthHz, double rate) {
        const double r = std::exp(-M_PI * widthHz / rate);
        b1_ = 2.0 * r * std::cos(kTwoPi * centreHz / rate);
        b2_ = -r * r;
        gain_ = 1.0 - r;
    }
    float operator()(float x) {
        const double y = gain_ * x + b1_ * y1_ + b2_ * y2_;
        y2_ = y1_;
        y1_ = y;
        return static_cast<float>(y);
    }

  private:
    double b1_ = 0.0, b2_ = 0.0, gain_ = 0.0;
    double y1_ = 0.0, y2_ = 0.0;
};
