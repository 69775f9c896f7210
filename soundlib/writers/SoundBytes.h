// The byte block every writer returns (the asset builder's sinks take the
// same type).
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;
