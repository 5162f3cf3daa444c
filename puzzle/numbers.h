// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Conversion to an integer rounds to nearest with halves to even; out-of-range values are
// clamped so that no conversion is ever undefined.
template <typename T> T roundToEven(double v) {
    constexpr double lo = std::numeric_limits<T>::min();
    constexpr double hi = std::numeric_limits<T>::max();
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v);
    if (r <= lo)
        return std::numeric_limits<T>::min();
    if (r >= hi)
        return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}

inline std::int32_t CLng(double v) {
    return roundToEven<std::int32_t>(v);
}

inline std::int16_t CInt(double v) {
    return roundToEven<std::int16_t>(v);
}

// Int() rounds down, also for negative values: Int(-13.5) = -14.
inline double Int(double v) {
    return std::floor(v);
}

inline bool fitsInt16(double v) {
    return std::isfinite(v) && v >= std::numeric_limits<std::int16_t>::min() &&
           v <= std::numeric_limits<std::int16_t>::max();
}
