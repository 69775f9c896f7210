// "soPLAYdieYell.wav": the player's dying yell, a short synthesized voice.
#pragma once

#include <vector>

constexpr int kYellRate = 22050;
constexpr double kYellSeconds = 0.75;

// Mono samples at kYellRate.
std::vector<float> synthesizeYell();
