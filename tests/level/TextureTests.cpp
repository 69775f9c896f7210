// The level's pictures decoded with DevIL, as the game decodes them: the
// right size, real texture rather than a flat colour, and material images
// that repeat without a visible seam.
#include <gtest/gtest.h>

#include <IL/il.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "BuiltLevel.h"

namespace {

struct Decoded {
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
    double luminance(int x, int y) const {
        const unsigned char* p = &rgba[static_cast<std::size_t>((y * width + x) * 4)];
        return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2];
    }
};

Decoded decode(const Bytes& bytes) {
    // Rows top first, whatever the file's origin, so that row 0 is the top.
    static const bool initialised = [] {
        ilInit();
        ilOriginFunc(IL_ORIGIN_UPPER_LEFT);
        ilEnable(IL_ORIGIN_SET);
        return true;
    }();
    (void)initialised;
    Decoded image;
    const ILuint name = ilGenImage();
    ilBindImage(name);
    if (ilLoadL(IL_TYPE_UNKNOWN, bytes.data(), static_cast<ILuint>(bytes.size())) &&
        ilConvertImage(IL_RGBA, IL_UNSIGNED_BYTE)) {
        image.width = ilGetInteger(IL_IMAGE_WIDTH);
        image.height = ilGetInteger(IL_IMAGE_HEIGHT);
        const ILubyte* data = ilGetData();
        image.rgba.assign(data, data + image.width * image.height * 4);
    }
    ilDeleteImage(name);
    return image;
}

// Mean luminance step across the seam between the last and first column,
// against the largest mean step between neighbouring columns inside: a
// picture that does not repeat jumps at its seam more than anywhere inside.
double seamRatio(const Decoded& image) {
    auto step = [&image](int left, int right) {
        double sum = 0;
        for (int y = 0; y < image.height; ++y) {
            sum += std::abs(image.luminance(right, y) - image.luminance(left, y));
        }
        return sum / image.height;
    };
    double largestInside = 0;
    for (int x = 0; x + 1 < image.width; ++x) {
        largestInside = std::max(largestInside, step(x, x + 1));
    }
    return step(image.width - 1, 0) / largestInside;
}

double luminanceSpread(const Decoded& image) {
    double sum = 0, squares = 0;
    const int n = image.width * image.height;
    for (int i = 0; i < n; ++i) {
        const double l = image.luminance(i % image.width, i / image.width);
        sum += l;
        squares += l * l;
    }
    return std::sqrt(squares / n - (sum / n) * (sum / n));
}

} // namespace

TEST(LevelTextures, MaterialImagesDecodeAsTileableTextures) {
    const BuiltLevel& level = builtLevel();
    ASSERT_EQ(level.mtl.materials.size(), 4u);
    for (const ReadMaterial& material : level.mtl.materials) {
        const Decoded image = decode(level.sink.archive.at(material.texture));
        ASSERT_EQ(image.width, 128) << material.texture;
        ASSERT_EQ(image.height, 128) << material.texture;
        EXPECT_GT(luminanceSpread(image), 8.0) << material.texture;
        EXPECT_LT(seamRatio(image), 1.05) << material.texture;
    }
}

TEST(LevelTextures, SkyIsDarkAboveAGlowOverDarkMountains) {
    const auto sky = builtLevel().sink.archive.find("SKY1.tga");
    ASSERT_NE(sky, builtLevel().sink.archive.end());
    const Decoded image = decode(sky->second);
    ASSERT_EQ(image.width, 512);
    ASSERT_EQ(image.height, 256);
    auto rowLuminance = [&image](int y) {
        double sum = 0;
        for (int x = 0; x < image.width; ++x) {
            sum += image.luminance(x, y);
        }
        return sum / image.width;
    };
    const double glow = rowLuminance(130);
    EXPECT_LT(rowLuminance(0), glow * 0.6);
    EXPECT_LT(rowLuminance(image.height - 1), glow * 0.6);
}
