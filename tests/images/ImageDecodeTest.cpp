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
const Pixel R = {255, 0, 0, 255}, B = {0, 0, 255, 255}, W = {255, 255, 255, 255},
            K = {0, 0, 0, 255};

// Every test may hand it any texture size the sample files need.
const int ANY_SIDE = 4096;

class ImageDecode : public testing::Test {
  protected:
    static void SetUpTestSuite() { ilInit(); }

    ImageDecodeResult decode(const std::vector<char>& file, int maxSide = ANY_SIDE) {
        return decodeImage(file, maxSide, image);
    }
    DecodedImage image;
};

// Run-length packets for one sequence: equal neighbours become a run,
// everything else single-pixel raw packets. Targa keeps pixels as blue,
// green, red, alpha.
void appendRunLength(std::vector<char>& out, const std::vector<Pixel>& pixels) {
    for (std::size_t i = 0; i < pixels.size();) {
        std::size_t run = 1;
        while (i + run < pixels.size() && pixels[i + run] == pixels[i] && run < 128)
            ++run;
        out.push_back(static_cast<char>(run > 1 ? 0x80 | (run - 1) : 0));
        const Pixel& p = pixels[i];
        append(out, {p[2], p[1], p[0], p[3]});
        i += run;
    }
}

// 3 x 2, so the width is no power of two: top row R R B, bottom row W K K,
// stored from the corner the descriptor names.
const std::vector<std::vector<Pixel>> PICTURE = {{R, R, B}, {W, K, K}};

// A header with the given type and size, and `dataBytes` bytes of `fill`.
std::vector<char> tgaFile(std::uint8_t type, std::uint16_t width, std::uint16_t height,
                          std::size_t dataBytes, char fill = 0) {
    TgaFields fields;
    fields.imageType = type;
    fields.width = width;
    fields.height = height;
    return withBytes(tgaHeader(fields), dataBytes, fill);
}

std::vector<char> pictureTga(bool top, bool right) {
    std::vector<char> out = tgaFile(10, 3, 2, 0);
    out[17] = static_cast<char>(0x08 | (top ? 0x20 : 0) | (right ? 0x10 : 0)); // the descriptor
    for (int stored = 0; stored < 2; ++stored) {
        const std::vector<Pixel>& line = PICTURE[top ? stored : 1 - stored];
        appendRunLength(out, right ? std::vector<Pixel>(line.rbegin(), line.rend()) : line);
    }
    return out;
}

} // namespace

// The decoder keeps the picture's own size and pixels, bottom row first;
// the stretch to the texture's power-of-two size is the upload's.
TEST_F(ImageDecode, EveryTargaOriginGivesTheSamePictureUnstretched) {
    std::vector<unsigned char> bottomRowFirst;
    for (const auto& line : {PICTURE[1], PICTURE[0]})
        for (const Pixel& p : line)
            bottomRowFirst.insert(bottomRowFirst.end(), p.begin(), p.end());
    for (const auto& [top, right] :
         {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
        SCOPED_TRACE(std::string(top ? "top" : "bottom") + (right ? " right" : " left"));
        image = DecodedImage();
        ASSERT_EQ(decode(pictureTga(top, right)), ImageDecodeResult::Decoded);
        EXPECT_EQ(image.width, 3);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.textureWidth, 4);
        EXPECT_EQ(image.textureHeight, 2);
        EXPECT_EQ(image.rgba, bottomRowFirst);
    }
}

TEST_F(ImageDecode, HostileTargaHeadersAreRefused) {
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

    TgaFields mapped;
    mapped.colourMapType = 1;
    mapped.imageType = 1;
    mapped.colourMapLength = 256;
    mapped.colourMapEntryBits = 24;
    mapped.width = mapped.height = 2;
    mapped.pixelDepth = 8;
    const std::vector<char> mapBeyondTheFile = withBytes(tgaHeader(mapped), 10, 0);
    mapped.colourMapType = 0;
    mapped.colourMapLength = 0;
    mapped.imageType = 9;
    const std::vector<char> mappedWithoutAMap = withBytes(tgaHeader(mapped), 8, 0);

    std::vector<char> cutRun = tgaFile(10, 4, 4, 0);
    append(cutRun, {0x8e, 1, 2, 3, 4}); // fifteen pixels
    append(cutRun, {0x00, 1, 2});       // the sixteenth, cut inside its colour
    std::vector<char> shortRuns = tgaFile(10, 4, 4, 0);
    append(shortRuns, {0x87, 1, 2, 3, 4}); // eight of sixteen pixels, then nothing
    std::vector<char> longRun = tgaFile(10, 4, 4, 0);
    append(longRun, {0xff, 1, 2, 3, 4}); // 128 pixels for a picture of 16
    TgaFields fifteenBits;
    fifteenBits.width = fifteenBits.height = 2;
    fifteenBits.pixelDepth = 15;
    fifteenBits.descriptor = 0;
    std::vector<char> named = tgaFile(2, 1, 1, 4);
    named[0] = static_cast<char>(200); // an image id beyond the file

    const std::pair<const char*, std::vector<char>> files[] = {
        {"69-byte RLE claiming 22627 x 26435", crash},
        {"zero width", tgaFile(2, 0, 4, 64)},
        {"zero height", tgaFile(10, 4, 0, 64)},
        {"colour map beyond the file", mapBeyondTheFile},
        {"colour-mapped without a map", mappedWithoutAMap},
        {"RLE raw packet past the end of the file", cutRun},
        {"RLE runs ending before the picture does", shortRuns},
        {"RLE run past the picture", longRun},
        {"image id beyond the file", named},
        {"no image data", tgaFile(0, 1, 1, 4)},
        {"uncompressed data cut short", tgaFile(2, 32, 32, 40)},
        {"15-bit data one byte short", withBytes(tgaHeader(fifteenBits), 7, 0)},
    };
    for (const auto& [name, file] : files) {
        image = DecodedImage();
        EXPECT_EQ(decode(file), ImageDecodeResult::Refused) << name;
        EXPECT_TRUE(image.rgba.empty()) << name;
    }
}

TEST_F(ImageDecode, NotAnImageIsRefused) {
    EXPECT_EQ(decode({}), ImageDecodeResult::Refused);
    // Formats whose DevIL readers loop forever on damaged data are never
    // handed to them: an Apple icon, and a JPEG whose first marker claims
    // more bytes than follow.
    EXPECT_EQ(decode({'i', 'c', 'n', 's', 0, 0, 0, 16, 'i', 't', '3', '2', 0, 0, 0, 8}),
              ImageDecodeResult::Refused);
    EXPECT_EQ(decode({'\xff', '\xd8', '\xff', '\xff', '\xec', '\xff', '\xff'}),
              ImageDecodeResult::Refused);
}
