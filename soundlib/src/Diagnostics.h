// The library's own voice: one line on standard error when a sound cannot
// be created, naming the data or file and what was wrong with it, since the
// result code alone cannot say which chunk of which file was bad.
#pragma once

#include <string>

namespace soundlib {

void reportProblem(const std::string& what, const std::string& problem);

} // namespace soundlib
