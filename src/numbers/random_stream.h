// The program-wide uniform stream. A version number seeds it before a
// problem is generated, so every draw is part of a problem's definition:
// the generator is reproduced bit for bit and no draw may be added or lost.
#pragma once

#include <algorithm>
#include <cstdint>
#include <numbers>

struct RandomStream {
    std::int32_t random_state = 0;  // advanced by every draw
};
extern RandomStream random_stream;

void set_random_seed(std::int32_t seed);

namespace random_detail {

struct GeneratorConstants {
    std::int32_t m2;  // half word, 2^30
    std::int32_t ia;  // multiplier, 843314861
    std::int32_t ic;  // increment, 453816693
    float s;          // 0.5 / m2 = 2^-31
};

// Derived the way the method defines them (from pi / 4 and the square root
// of 3) rather than written as literals, so that the word size alone fixes
// them.
constexpr GeneratorConstants derive_constants()
{
    std::int32_t m2 = 1;
    for (;;) {
        const auto doubled = static_cast<std::int32_t>(static_cast<std::uint32_t>(m2) * 2u);
        if (doubled <= m2) break;
        m2 = doubled;
    }
    const double half_word = m2;
    const auto ia = 8 * static_cast<std::int32_t>(half_word * (std::numbers::pi / 4.0) / 8.0) + 5;
    const auto ic = 2 * static_cast<std::int32_t>(half_word * (0.5 - std::numbers::sqrt3 / 6.0)) + 1;
    return {m2, ia, ic, static_cast<float>(0.5 / half_word)};
}
inline constexpr GeneratorConstants generator = derive_constants();

// The method's integer step: the new state, in [0, 2^31).
constexpr std::int32_t next_state(std::int32_t state)
{
    const std::uint32_t twice_m2 = 2u * static_cast<std::uint32_t>(generator.m2);
    auto y = static_cast<std::int32_t>(static_cast<std::uint32_t>(state) * static_cast<std::uint32_t>(generator.ia) +
                                       static_cast<std::uint32_t>(generator.ic));
    // Part of the method for wider words; with 32 bits it never fires.
    if (y / 2 > generator.m2) y = static_cast<std::int32_t>(static_cast<std::uint32_t>(y) - twice_m2);
    if (y < 0) y = static_cast<std::int32_t>(static_cast<std::uint32_t>(y) + twice_m2);
    return y;
}

}  // namespace random_detail

// Advances state and returns y / 2^31 in [0, 1), exact in double. Inline,
// as the draws below: a page's background makes thousands in a row, and the
// state then stays in a register instead of going through memory each time.
inline double next_uniform(std::int32_t& state)
{
    state = random_detail::next_state(state);
    return static_cast<double>(state) * static_cast<double>(random_detail::generator.s);
}

// a + u (b - a) computed in double from one fresh draw; a > b is allowed.
// The result is a REAL: the caller keeps the single-precision value.
float random_real(float a, float b);

// min(hi, trunc(lo + u (hi - lo + 1))) from one fresh draw, truncated toward
// zero: a range reaching below zero draws 0 twice as often and lo only at
// u = 0.
inline std::int32_t random_int(std::int32_t lo, std::int32_t hi)
{
    // Ranges of whole numbers from 0 to 2^21 (nearly every draw, the page
    // background's thousands among them): lo + u (hi - lo + 1) is then exact
    // in double, and its whole part that of this product of integers.
    if (lo >= 0 && lo <= hi && hi < (std::int32_t{1} << 21)) {
        std::int32_t& state = random_stream.random_state;
        state = random_detail::next_state(state);
        return lo + static_cast<std::int32_t>((static_cast<std::int64_t>(state) * (hi - lo + 1)) >> 31);
    }
    const double u = next_uniform(random_stream.random_state);
    const double span = static_cast<double>(static_cast<std::int64_t>(hi) - lo + 1);
    // Toward zero, as the conversion cuts, not toward minus infinity: 0 gets
    // the draws just below it.
    const auto drawn = static_cast<std::int64_t>(lo + u * span);
    return static_cast<std::int32_t>(std::min<std::int64_t>(hi, drawn));
}

// Discards n draws (none when n <= 0).
void skip_random_draws(std::int32_t n);
