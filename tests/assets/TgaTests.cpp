// The TGA writer checked through DevIL, the decoder the games use.
#include <gtest/gtest.h>

#include <stdexcept>

#include "DecodedImage.h"
#include "Tga.h"

namespace {

Image twoRowPicture() {
    Image image(3, 2);
    image.at(0, 0) = {255, 0, 0, 255};
    image.at(1, 0) = {0, 255, 0, 255};
    image.at(2, 0) = {0, 0, 255, 255};
    image.at(0, 1) = {10, 20, 30, 0};
    image.at(1, 1) = {40, 50, 60, 77};
    image.at(2, 1) = {70, 80, 90, 200};
    return image;
}

} // namespace

TEST(TgaWriter, TopRowComesLastFromDevilWithLowerLeftOrigin) {
    const auto decoded = DecodedImage::decode(encodeTga(twoRowPicture()));
    ASSERT_TRUE(decoded);
    ASSERT_EQ(decoded->width(), 3);
    ASSERT_EQ(decoded->height(), 2);
    const std::vector<Texel>& rows = decoded->bottomRowFirst();
    EXPECT_EQ(rows[0].r, 10);  // the picture's bottom-left pixel comes first
    EXPECT_EQ(rows[3].r, 255); // the top-left pixel starts the second row
    EXPECT_EQ(rows[5].b, 255);
}

TEST(TgaWriter, ColoursAndAlphaSurviveExactly) {
    const Image original = twoRowPicture();
    const auto decoded = DecodedImage::decode(encodeTga(original));
    ASSERT_TRUE(decoded);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const Rgba& want = original.at(x, y);
            const Texel got = decoded->at(x, y);
            EXPECT_EQ(got.r, want.r) << x << "," << y;
            EXPECT_EQ(got.g, want.g) << x << "," << y;
            EXPECT_EQ(got.b, want.b) << x << "," << y;
            EXPECT_EQ(got.a, want.a) << x << "," << y;
        }
    }
}

TEST(TgaWriter, RefusesAnEmptyImage) {
    EXPECT_THROW(encodeTga(Image(0, 4)), std::invalid_argument);
}
