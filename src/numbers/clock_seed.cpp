#include "numbers/clock_seed.h"

#include "numbers/random_stream.h"
#include "platform/runtime.h"

std::int32_t draw_clock_seed()
{
    const std::int32_t r = random_int(-9, 9);
    const std::uint32_t seed =
        100000000u * static_cast<std::uint32_t>(r) + static_cast<std::uint32_t>(rt_time_seconds());
    return static_cast<std::int32_t>(seed);
}
