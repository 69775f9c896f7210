#include "ImageDecoding.h"

#include <IL/il.h>

#include "Resources/ImageDecoder.h"

namespace {
// The game refuses a texture larger than its display's OpenGL allows; this
// is the size common drivers take, so that a level that converts cleanly
// loads on them.
constexpr int LARGEST_TEXTURE_SIDE = 8192;
} // namespace

bool gameCanDecode(const std::vector<char>& file) {
    static const bool started = (ilInit(), true);
    (void)started;
    DecodedImage image;
    return decodeImage(file, LARGEST_TEXTURE_SIDE, image) == ImageDecodeResult::Decoded;
}
