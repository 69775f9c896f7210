// Whether the game can show an image: decoded from memory by DevIL exactly
// as the game's textures are.
#pragma once

#include <vector>

bool gameCanDecode(const std::vector<char>& file);
