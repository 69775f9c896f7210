// The image path without OpenGL: Targa files in every origin, hostile
// headers that must be refused before anything is allocated for them, and
// the power-of-two size a picture's texture gets.
#include <IL/il.h>
#include <array>
#include <gtest/gtest.h>
#include <vector>

#include "Resources/ImageDecoder.h"
#include "TgaBytes.h"

namespace {

using Pixel = std::array<int, 4>; // r, g, b, a
const Pixel R = {255, 0, 0, 255}, G = {0, 255, 0, 255}, B = {0, 0, 255, 255},
            W = {255, 255, 255, 255}, K = {0, 0, 0, 255}, Y = {255, 255, 0, 255};

// Every test may hand it any texture size the sample files need.
const int ANY_SIDE = 4096;

class ImageDecode : public testing::Test {
  protected:
    static void SetUpTestSuite() { ilInit(); }

    ImageDecodeResult decode(const std::vector<char>& file, int maxSide = ANY_SIDE) {
        return decodeImage(file, maxSide, image);
    }
    // Row 0 is the picture's bottom row.
    Pixel at(int x, int row) const {
        const unsigned char* p = &image.rgba[std::size_t(row * image.width + x) * 4];
        return {p[0], p[1], p[2], p[3]};
    }
    std::vector<Pixel> row(int index) const {
        std::vector<Pixel> pixels;
        for (int x = 0; x < image.width; ++x)
            pixels.push_back(at(x, index));
        return pixels;
    }

    DecodedImage image;
};

// Targa keeps pixels as blue, green, red, alpha.
void appendBgra(std::vector<char>& out, const Pixel& p) {
    append(out, {p[2], p[1], p[0], p[3]});
}

// Run-length packets for one sequence: equal neighbours become a run,
// everything else single-pixel raw packets.
void appendRunLength(std::vector<char>& out, const std::vector<Pixel>& pixels) {
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t run = 1;
        while (i + run < pixels.size() && pixels[i + run] == pixels[i] && run < 128)
            ++run;
        out.push_back(static_cast<char>(run > 1 ? 0x80 | (run - 1) : 0));
        appendBgra(out, pixels[i]);
        i += run;
    }
}

// 4 x 2: top row R R G B, bottom row W K K Y, stored from the corner the
// descriptor names.
const std::vector<std::vector<Pixel>> PICTURE = {{R, R, G, B}, {W, K, K, Y}};

std::vector<char> pictureTga(bool top, bool right) {
    TgaFields fields;
    fields.imageType = 10;
    fields.width = 4;
    fields.height = 2;
    fields.descriptor = static_cast<std::uint8_t>(0x08 | (top ? 0x20 : 0) | (right ? 0x10 : 0));
    std::vector<char> out = tgaHeader(fields);
    for (int stored = 0; stored < 2; ++stored) {
        const std::vector<Pixel>& source = PICTURE[top ? stored : 1 - stored];
        std::vector<Pixel> line(source);
        if (right)
            line.assign(source.rbegin(), source.rend());
        appendRunLength(out, line);
    }
    return out;
}

} // namespace

TEST_F(ImageDecode, EveryTargaOriginGivesTheSamePicture) {
    ASSERT_EQ(decode(pictureTga(false, false)), ImageDecodeResult::Decoded);
    EXPECT_EQ(row(0), (std::vector<Pixel>{W, K, K, Y}));
    EXPECT_EQ(row(1), (std::vector<Pixel>{R, R, G, B}));
    const std::vector<unsigned char> bottomLeft = image.rgba;
    for (const auto& [top, right] : {std::pair{true, false}, {false, true}, {true, true}}) {
        image = DecodedImage();
        ASSERT_EQ(decode(pictureTga(top, right)), ImageDecodeResult::Decoded)
            << "top " << top << " right " << right;
        EXPECT_EQ(image.width, 4);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.rgba, bottomLeft) << "top " << top << " right " << right;
    }
}

TEST_F(ImageDecode, ColourMappedRunLengthImageDecodes) {
    TgaFields fields;
    fields.colourMapType = 1;
    fields.imageType = 9;
    fields.colourMapLength = 2;
    fields.colourMapEntryBits = 24;
    fields.width = 2;
    fields.height = 1;
    fields.pixelDepth = 8;
    std::vector<char> file = tgaHeader(fields);
    append(file, {0, 0, 255, 255, 0, 0}); // map: red, blue (as BGR)
    append(file, {0x01, 1, 0});           // a raw packet of two indices
    ASSERT_EQ(decode(file), ImageDecodeResult::Decoded);
    EXPECT_EQ(at(0, 0), (Pixel{0, 0, 255, 255}));
    EXPECT_EQ(at(1, 0), (Pixel{255, 0, 0, 255}));
}

TEST_F(ImageDecode, FifteenBitImageDecodesWholeAndIsRefusedCut) {
    TgaFields fields;
    fields.width = 2;
    fields.height = 2;
    fields.pixelDepth = 15;
    fields.descriptor = 0;
    std::vector<char> file = tgaHeader(fields);
    // Five bits each of x red green blue, little-endian: pure red, then green.
    append(file, {0x00, 0x7c, 0xe0, 0x03, 0x00, 0x7c, 0xe0, 0x03});
    ASSERT_EQ(decode(file), ImageDecodeResult::Decoded);
    // Five bits widen to eight by shifting: 31 becomes 248.
    EXPECT_EQ(at(0, 0), (Pixel{248, 0, 0, 255}));
    EXPECT_EQ(at(1, 0), (Pixel{0, 248, 0, 255}));
    file.resize(file.size() - 1);
    EXPECT_EQ(decode(file), ImageDecodeResult::Refused);
}

TEST_F(ImageDecode, HostileTargaHeadersAreRefused) {
    std::vector<std::pair<const char*, std::vector<char>>> files;

    // The file found in the wild: 69 bytes claiming 22627 x 26435 pixels.
    TgaFields huge;
    huge.imageType = 10;
    huge.width = 22627;
    huge.height = 26435;
    huge.pixelDepth = 24;
    std::vector<char> crash = tgaHeader(huge);
    for (int packet = 0; packet < 12; ++packet)
        append(crash, {0xff, 0x10, 0x20, 0x30});
    append(crash, {0x81, 0x40, 0x50});
    ASSERT_EQ(crash.size(), 69u);
    files.push_back({"69-byte RLE claiming 22627 x 26435", crash});

    for (std::uint8_t type : {2, 3, 10, 11}) {
        TgaFields f;
        f.imageType = type;
        f.pixelDepth = type == 3 || type == 11 ? 8 : 32;
        f.width = 0;
        f.height = 4;
        files.push_back({"zero width", withBytes(tgaHeader(f), 64, 0)});
        f.width = 4;
        f.height = 0;
        files.push_back({"zero height", withBytes(tgaHeader(f), 64, 0)});
        f.width = f.height = 65535;
        files.push_back({"65535 x 65535", withBytes(tgaHeader(f), 4096, '\x7f')});
    }

    TgaFields mapped;
    mapped.colourMapType = 1;
    mapped.imageType = 1;
    mapped.colourMapLength = 256;
    mapped.colourMapEntryBits = 24;
    mapped.width = mapped.height = 2;
    mapped.pixelDepth = 8;
    files.push_back({"colour map beyond the file", withBytes(tgaHeader(mapped), 10, 0)});
    mapped.colourMapType = 0;
    mapped.colourMapLength = 0;
    mapped.imageType = 9;
    files.push_back({"colour-mapped without a map", withBytes(tgaHeader(mapped), 8, 0)});

    TgaFields rle;
    rle.imageType = 10;
    rle.width = rle.height = 4;
    std::vector<char> cutRun = tgaHeader(rle);
    append(cutRun, {0x8e, 1, 2, 3, 4}); // fifteen pixels
    append(cutRun, {0x00, 1, 2});       // the sixteenth, cut inside its colour
    files.push_back({"RLE raw packet past the end of the file", cutRun});
    std::vector<char> shortRuns = tgaHeader(rle);
    append(shortRuns, {0x87, 1, 2, 3, 4}); // eight of sixteen pixels, then nothing
    files.push_back({"RLE runs ending before the picture does", shortRuns});
    std::vector<char> longRun = tgaHeader(rle);
    append(longRun, {0xff, 1, 2, 3, 4}); // 128 pixels for a picture of 16
    files.push_back({"RLE run past the picture", longRun});

    TgaFields named;
    named.idLength = 200;
    named.width = named.height = 1;
    files.push_back({"image id beyond the file", withBytes(tgaHeader(named), 4, 0)});

    TgaFields noData;
    noData.imageType = 0;
    files.push_back({"no image data", withBytes(tgaHeader(noData), 4, 0)});

    TgaFields plain;
    plain.width = plain.height = 32;
    files.push_back({"uncompressed data cut short", withBytes(tgaHeader(plain), 40, 0)});

    for (const auto& [name, file] : files) {
        image = DecodedImage();
        EXPECT_EQ(decode(file), ImageDecodeResult::Refused) << name;
        EXPECT_TRUE(image.rgba.empty()) << name;
    }
}

TEST_F(ImageDecode, PicturesLargerThanTheTextureLimitAreRefused) {
    // A 64 x 1 strip is one run packet of 64 pixels: whole, and small.
    TgaFields strip;
    strip.imageType = 10;
    strip.width = 64;
    strip.height = 1;
    std::vector<char> file = tgaHeader(strip);
    append(file, {0x80 | 63, 0, 0, 255, 255});
    EXPECT_EQ(decode(file, 32), ImageDecodeResult::Refused);
    ASSERT_EQ(decode(file, 64), ImageDecodeResult::Decoded);
    EXPECT_EQ(at(63, 0), R);
    // 40 pixels stretch to 64, which a limit of 32 cannot hold either.
    strip.width = 40;
    file = tgaHeader(strip);
    append(file, {0x80 | 39, 0, 0, 255, 255});
    EXPECT_EQ(decode(file, 32), ImageDecodeResult::Refused);
}

TEST_F(ImageDecode, SideThatAloneIsNoPowerOfTwoGetsATextureSizeAndKeepsItsPixels) {
    // 20 x 32: only the width needs stretching, which the upload does.
    // Left half red, right blue.
    TgaFields fields;
    fields.imageType = 10;
    fields.width = 20;
    fields.height = 32;
    std::vector<char> file = tgaHeader(fields);
    for (int y = 0; y < 32; ++y)
        appendRunLength(
            file, std::vector<Pixel>{R, R, R, R, R, R, R, R, R, R, B, B, B, B, B, B, B, B, B, B});
    ASSERT_EQ(decode(file), ImageDecodeResult::Decoded);
    EXPECT_EQ(image.width, 20);
    EXPECT_EQ(image.height, 32);
    EXPECT_EQ(image.textureWidth, 32);
    EXPECT_EQ(image.textureHeight, 32);
    ASSERT_EQ(image.rgba.size(), 20u * 32u * 4u);
    for (int y : {0, 31}) {
        EXPECT_EQ(at(9, y), R);
        EXPECT_EQ(at(10, y), B);
        EXPECT_EQ(at(19, y), B);
    }
}

TEST_F(ImageDecode, NotAnImageIsRefused) {
    const std::string text = "this is not an image at all";
    EXPECT_EQ(decode(std::vector<char>(text.begin(), text.end())), ImageDecodeResult::Refused);
    EXPECT_EQ(decode({}), ImageDecodeResult::Refused);
    // An Apple icon header: a format whose DevIL reader can loop forever on
    // damaged data is never handed to it.
    EXPECT_EQ(decode({'i', 'c', 'n', 's', 0, 0, 0, 16, 'i', 't', '3', '2', 0, 0, 0, 8}),
              ImageDecodeResult::Refused);
}

TEST(NextPow2, RoundsUpToAPowerOfTwo) {
    EXPECT_EQ(nextPow2(0), 0u);
    EXPECT_EQ(nextPow2(1), 1u);
    EXPECT_EQ(nextPow2(20), 32u);
    EXPECT_EQ(nextPow2(64), 64u);
    EXPECT_EQ(nextPow2(640), 1024u);
}
