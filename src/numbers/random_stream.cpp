#include "numbers/random_stream.h"

#include <algorithm>
#include <cmath>

RandomStream random_stream;

namespace {

struct GeneratorConstants {
    std::int32_t m2;  // half word, 2^30
    std::int32_t ia;  // multiplier, 843314861
    std::int32_t ic;  // increment, 453816693
    float s;          // 0.5 / m2 = 2^-31
};

// Derived the way the method defines them rather than written as literals,
// so that the word size alone fixes them.
GeneratorConstants derive_constants()
{
    std::int32_t m2 = 1;
    for (;;) {
        const auto doubled = static_cast<std::int32_t>(static_cast<std::uint32_t>(m2) * 2u);
        if (doubled <= m2) break;
        m2 = doubled;
    }
    const double half_word = m2;
    const auto ia = 8 * static_cast<std::int32_t>(half_word * std::atan(1.0) / 8.0) + 5;
    const auto ic = 2 * static_cast<std::int32_t>(half_word * (0.5 - std::sqrt(3.0) / 6.0)) + 1;
    return {m2, ia, ic, static_cast<float>(0.5 / half_word)};
}

const GeneratorConstants& constants()
{
    static const GeneratorConstants value = derive_constants();
    return value;
}

}  // namespace

void set_random_seed(std::int32_t seed)
{
    random_stream.random_state = seed;
}

double next_uniform(std::int32_t& state)
{
    const GeneratorConstants& c = constants();
    const std::uint32_t twice_m2 = 2u * static_cast<std::uint32_t>(c.m2);
    auto y = static_cast<std::int32_t>(static_cast<std::uint32_t>(state) * static_cast<std::uint32_t>(c.ia) +
                                       static_cast<std::uint32_t>(c.ic));
    // Part of the method for wider words; with 32 bits it never fires.
    if (y / 2 > c.m2) y = static_cast<std::int32_t>(static_cast<std::uint32_t>(y) - twice_m2);
    if (y < 0) y = static_cast<std::int32_t>(static_cast<std::uint32_t>(y) + twice_m2);
    state = y;
    return static_cast<double>(y) * static_cast<double>(c.s);
}

float random_real(float a, float b)
{
    const double u = next_uniform(random_stream.random_state);
    return static_cast<float>((static_cast<double>(b) - static_cast<double>(a)) * u + static_cast<double>(a));
}

std::int32_t random_int(std::int32_t lo, std::int32_t hi)
{
    const double u = next_uniform(random_stream.random_state);
    const double span = static_cast<double>(static_cast<std::int64_t>(hi) - lo + 1);
    // Toward zero, as the conversion cuts, not toward minus infinity: 0 gets
    // the draws just below it.
    const auto drawn = static_cast<std::int64_t>(lo + u * span);
    return static_cast<std::int32_t>(std::min<std::int64_t>(hi, drawn));
}

void skip_random_draws(std::int32_t n)
{
    for (std::int32_t i = 0; i < n; ++i) random_real(0.0f, 1.0f);
}
