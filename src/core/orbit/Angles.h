#pragma once

// Degrees and radians.

#include <cmath>
#include <numbers>

namespace vantrel::orbit {

inline double radians(double degrees) { return degrees * (std::numbers::pi / 180); }
inline double degrees(double radians) { return radians * (180 / std::numbers::pi); }

// An angle in radians as degrees in [0, 360).
inline double degreesIn360(double radians) {
    double d = std::fmod(degrees(radians), 360.0);
    if (d < 0)
        d += 360;
    return d >= 360 ? 0.0 : d;
}

} // namespace vantrel::orbit
