// Problem reports on standard error.
#include "Diagnostics.h"

#include <cstdio>

namespace soundlib {

void reportProblem(const std::string& what, const std::string& problem) {
    std::fprintf(stderr, "soundlib: %s: %s\n", what.c_str(), problem.c_str());
    std::fflush(stderr);
}

} // namespace soundlib
