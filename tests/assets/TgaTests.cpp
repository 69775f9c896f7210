// The TGA writer checked through DevIL, the decoder the games use.
#include <gtest/gtest.h>

#include <stdexcept>

#include "DecodedImage.h"
#include "Tga.h"

TEST(TgaWriter, ColoursAndAlphaSurviveExactlyTopRowFirst) {
    Image original(3, 2);
    const Rgba pixels[] = {{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255},
                           {10, 20, 30, 0},  {40, 50, 60, 77}, {70, 80, 90, 200}};
    for (int i = 0; i < 6; ++i)
        original.at(i % 3, i / 3) = pixels[i];
    const auto decoded = DecodedImage::decode(encodeTga(original));
    ASSERT_TRUE(decoded && decoded->width() == 3 && decoded->height() == 2);
    for (int i = 0; i < 6; ++i) {
        const Rgba& want = pixels[i];
        const Texel got = decoded->at(i % 3, i / 3);
        EXPECT_EQ((std::vector<int>{got.r, got.g, got.b, got.a}),
                  (std::vector<int>{want.r, want.g, want.b, want.a}))
            << "pixel " << i % 3 << "," << i / 3;
    }
}
