// Whether the game can show an image: decoded through the game's own image
// path (its checks, DevIL from memory, the stretch to powers of two).
#pragma once

#include <vector>

bool gameCanDecode(const std::vector<char>& file);
