// The angle constants every conversion and wrap of the game uses. They are
// deliberately the five-decimal values, not full-precision pi: angles read back
// from vectors carry that small, reproducible offset and the game's movement
// and aiming were tuned with it.
#pragma once

constexpr double MATH_PI = 3.14159;
constexpr double MATH_2PI = 6.28318;
