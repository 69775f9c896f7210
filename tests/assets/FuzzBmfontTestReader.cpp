// libFuzzer target for the tests' bitmap font reader: any input either
// parses or ends in its std::runtime_error, never anything worse.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "BmfontTestReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        parseBmfont(Bytes(data, data + size));
    } catch (const std::runtime_error&) {
    }
    return 0;
}
