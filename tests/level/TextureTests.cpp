// The level's pictures decoded with DevIL, as the game decodes them: the
// right size, real texture rather than a flat colour, and material images
// that repeat without a visible seam.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "BuiltLevel.h"
#include "DecodedImage.h"

namespace {

double luminance(const DecodedImage& image, int x, int y) {
    const Texel t = image.at(x, y);
    return 0.3 * t.r + 0.59 * t.g + 0.11 * t.b;
}

DecodedImage decodedFromArchive(const std::string& name) {
    const auto found = builtLevel().sink.archive.find(name);
    const bool there = found != builtLevel().sink.archive.end();
    EXPECT_TRUE(there) << name << " is not in the archive";
    return there ? DecodedImage::decode(found->second).value_or(DecodedImage{}) : DecodedImage{};
}

// Mean luminance step across the seam between the last and first column,
// against the largest mean step between neighbouring columns inside: a
// picture that does not repeat jumps at its seam more than anywhere inside.
double seamRatio(const DecodedImage& image) {
    auto step = [&image](int left, int right) {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            sum += std::abs(luminance(image, right, y) - luminance(image, left, y));
        return sum / image.height();
    };
    double largestInside = 0;
    for (int x = 0; x + 1 < image.width(); ++x)
        largestInside = std::max(largestInside, step(x, x + 1));
    return step(image.width() - 1, 0) / largestInside;
}

double luminanceSpread(const DecodedImage& image) {
    double sum = 0, squares = 0;
    const int n = image.width() * image.height();
    for (int i = 0; i < n; ++i) {
        const double l = luminance(image, i % image.width(), i / image.width());
        sum += l;
        squares += l * l;
    }
    return std::sqrt(squares / n - (sum / n) * (sum / n));
}

} // namespace

TEST(LevelTextures, MaterialImagesDecodeAsTileableTextures) {
    for (const LevelMaterial& material : builtLevel().data.materials) {
        SCOPED_TRACE(material.texturePath);
        const DecodedImage image = decodedFromArchive(material.texturePath);
        ASSERT_EQ(std::pair(image.width(), image.height()), std::pair(128, 128));
        EXPECT_GT(luminanceSpread(image), 8.0);
        EXPECT_LT(seamRatio(image), 1.05);
    }
}

TEST(LevelTextures, SkyIsDarkAboveAGlowOverDarkMountains) {
    const DecodedImage sky = decodedFromArchive("SKY1.tga");
    ASSERT_EQ(std::pair(sky.width(), sky.height()), std::pair(512, 256));
    auto rowLuminance = [&sky](int y) {
        double sum = 0;
        for (int x = 0; x < sky.width(); ++x)
            sum += luminance(sky, x, y);
        return sum / sky.width();
    };
    const double glow = rowLuminance(130);
    EXPECT_LT(rowLuminance(0), glow * 0.6);
    EXPECT_LT(rowLuminance(sky.height() - 1), glow * 0.6);
}
