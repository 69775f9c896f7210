// Every material image repeats seamlessly: all noise is periodic over the
// picture's width, and all features (strata, cracks, bricks) use whole
// periods of it.
#include "Textures.h"

#include <algorithm>
#include <cmath>

#include "Noise.h"

namespace level {

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Periodic fractal noise over a square picture: `cells` lattice cells span it.
double tiled(int x, int y, int size, int cells, int octaves, unsigned seed) {
    const double scale = static_cast<double>(cells) / size;
    return fractalNoise(x * scale, y * scale, cells, octaves, seed);
}

// Thin dark lines where ridged noise crosses its middle value.
double crackDarkness(int x, int y, int size, int cells, unsigned seed, double width) {
    const double n = tiled(x, y, size, cells, 3, seed);
    const double distance = std::abs(n - 0.5);
    return std::clamp(1.0 - distance / width, 0.0, 1.0);
}

template <typename Paint> Picture paint(int width, int height, Paint colourAt) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Colour c = colourAt(x, y);
            c.a = 1;
            picture.at(x, y) = c;
        }
    }
    return picture;
}

} // namespace

Picture paintRock() {
    const int s = kMaterialSize;
    return paint(s, s, [=](int x, int y) {
        const double grain = tiled(x, y, s, 16, 4, 11);
        const double warp = tiled(x, y, s, 4, 2, 12);
        // Strata: four bands over the height, bent by low-frequency noise.
        const double band = 0.5 + 0.5 * std::sin(kTwoPi * (4.0 * y / s + 1.5 * warp));
        const Colour light{0.55, 0.47, 0.38};
        const Colour dark{0.33, 0.28, 0.24};
        Colour c = mix(dark, light, 0.35 * band + 0.65 * grain);
        const double crack = std::max(crackDarkness(x, y, s, 6, 13, 0.03),
                                      0.6 * crackDarkness(x, y, s, 12, 14, 0.02));
        return scaled(c, 1.0 - 0.6 * crack);
    });
}

Picture paintGrass() {
    const int s = kMaterialSize;
    return paint(s, s, [=](int x, int y) {
        const double patches = tiled(x, y, s, 4, 3, 21);
        const double blades = tiled(x, y, s, 64, 2, 22);
        const double earth = tiled(x, y, s, 8, 3, 23);
        const Colour lush{0.30, 0.52, 0.18};
        const Colour dry{0.52, 0.55, 0.24};
        const Colour soil{0.36, 0.27, 0.17};
        Colour c = mix(lush, dry, patches);
        c = scaled(c, 0.7 + 0.5 * blades);
        // Bare earth shows through where the turf thins.
        const double bare = std::clamp((earth - 0.62) * 5.0, 0.0, 1.0);
        return mix(c, soil, bare);
    });
}

Picture paintBrick() {
    const int s = kMaterialSize;
    constexpr int kBlockWidth = 32, kBlockHeight = 16, kMortar = 2;
    return paint(s, s, [=](int x, int y) {
        const int row = y / kBlockHeight;
        const int shifted = (x + (row % 2) * kBlockWidth / 2) % s;
        const int column = shifted / kBlockWidth;
        const bool mortar = y % kBlockHeight < kMortar || shifted % kBlockWidth < kMortar;
        const double grain = tiled(x, y, s, 32, 3, 31);
        if (mortar) {
            return scaled(Colour{0.30, 0.29, 0.27}, 0.8 + 0.3 * grain);
        }
        const double tone = hashToUnit(column, row, 32);
        const Colour stoneA{0.52, 0.47, 0.42};
        const Colour stoneB{0.45, 0.36, 0.30};
        Colour c = scaled(mix(stoneA, stoneB, tone), 0.75 + 0.4 * grain);
        // Worn top edges catch the light, lower edges sit in shadow.
        const int inBlock = y % kBlockHeight;
        if (inBlock == kMortar) {
            c = scaled(c, 1.2);
        } else if (inBlock == kBlockHeight - 1) {
            c = scaled(c, 0.75);
        }
        const double crack = crackDarkness(x, y, s, 8, 33, 0.015);
        return scaled(c, 1.0 - 0.5 * crack);
    });
}

Picture paintBackdrop() {
    const int s = kMaterialSize;
    return paint(s, s, [=](int x, int y) {
        const double grain = tiled(x, y, s, 8, 5, 41);
        const double warp = tiled(x, y, s, 2, 2, 42);
        const double band = 0.5 + 0.5 * std::sin(kTwoPi * (2.0 * y / s + warp));
        const Colour deep{0.13, 0.13, 0.17};
        const Colour lit{0.32, 0.31, 0.36};
        Colour c = mix(deep, lit, 0.7 * grain + 0.3 * band);
        const double crack = crackDarkness(x, y, s, 4, 43, 0.025);
        return scaled(c, 1.0 - 0.5 * crack);
    });
}

Picture paintSky() {
    constexpr int kWidth = 512, kHeight = 256;
    return paint(kWidth, kHeight, [](int x, int y) {
        const double v = static_cast<double>(y) / kHeight; // 0 at the top
        const Colour zenith{0.10, 0.09, 0.24};
        const Colour middle{0.45, 0.22, 0.33};
        const Colour horizon{0.95, 0.55, 0.30};
        Colour c =
            v < 0.55 ? mix(zenith, middle, v / 0.55) : mix(middle, horizon, (v - 0.55) / 0.45);
        // Streaks of cloud, lit from below by the low sun.
        const double cloud = fractalNoise(x / 64.0, y / 16.0, kWidth / 64, 5, 51);
        const double cover = std::clamp((cloud - 0.55) * 4.0, 0.0, 1.0) * (1.0 - v);
        c = mix(c, Colour{0.98, 0.70, 0.60}, cover * 0.7);
        // Two ranges of distant mountains, the nearer one darker and higher.
        const double far =
            0.66 + 0.10 * (fractalNoise(x / 32.0, 0.5, kWidth / 32, 5, 52) - 0.5) * 2;
        const double near =
            0.78 + 0.12 * (fractalNoise(x / 64.0, 3.5, kWidth / 64, 5, 53) - 0.5) * 2;
        if (v > near) {
            c = mix(Colour{0.16, 0.10, 0.16}, Colour{0.10, 0.06, 0.10}, (v - near) / (1 - near));
        } else if (v > far) {
            c = mix(c, Colour{0.36, 0.22, 0.30}, 0.85);
        }
        return c;
    });
}

} // namespace level
