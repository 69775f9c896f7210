// Checks DevIL does not make: an image whose pixel data ends early is
// decoded by it without complaint (the missing part comes out black), so
// files in the format our assets use are checked for completeness first.
#pragma once

#include <vector>

// False when `file` is an uncompressed Targa image shorter than its header
// says; true for anything else, which is left to the decoder to judge.
bool imageDataComplete(const std::vector<char>& file);
