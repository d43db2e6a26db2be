// Real coordinates to whole pixels.
#pragma once

#include <cstdint>

// Truncates toward zero. Values beyond a million pixels (and NaN) are
// clamped first: such points lie far outside any clip, and the conversion
// stays defined.
inline std::int32_t truncate_to_pixel(float v)
{
    if (!(v > -1.0e6f)) return -1000000;
    if (v > 1.0e6f) return 1000000;
    return static_cast<std::int32_t>(v);
}
