#include "numbers/random_stream.h"

RandomStream random_stream;

void set_random_seed(std::int32_t seed)
{
    random_stream.random_state = seed;
}

float random_real(float a, float b)
{
    const double u = next_uniform(random_stream.random_state);
    return static_cast<float>((static_cast<double>(b) - static_cast<double>(a)) * u + static_cast<double>(a));
}

void skip_random_draws(std::int32_t n)
{
    for (std::int32_t i = 0; i < n; ++i) random_real(0.0f, 1.0f);
}
