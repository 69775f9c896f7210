// Writes a canvas as a PNG file through libpng.
#pragma once

#include <string>

#include "Canvas.h"

// Throws std::runtime_error naming the file when it cannot be written.
void writePng(const std::string& path, const Canvas& canvas);
