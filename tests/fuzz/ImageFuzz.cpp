// Feeds arbitrary bytes to the image path as a texture file: the Targa
// checks, DevIL decoding from memory and the power-of-two stretching. Every
// input must end decoded or refused, never in a crash. The texture limit is
// kept small so that a file whose data does hold a large picture stays
// within the fuzzer's memory.
#include <IL/il.h>
#include <cstdint>
#include <vector>

#include "Resources/ImageDecoder.h"

namespace {
const int FUZZ_TEXTURE_LIMIT = 1024;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool started = (ilInit(), true);
    (void)started;
    const std::vector<char> file(data, data + size);
    DecodedImage image;
    decodeImage(file, FUZZ_TEXTURE_LIMIT, image);
    return 0;
}
