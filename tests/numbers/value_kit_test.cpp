#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "numbers/random_stream.h"
#include "numbers/value_kit.h"

namespace {

// The exponent is drawn before the mantissa, which stays in [1, top]: a
// version's later data depend on that order.
TEST(ValueKit, ScaledDrawsTakeTheExponentBeforeAMantissaUpToTheTop)
{
    struct Case {
        std::int32_t lo;
        std::int32_t hi;
        float top;
    };
    const Case cases[] = {{-3, -1, 9.0f}, {-4, -1, 9.8f}, {-2, 1, 9.9f}, {-12, 12, mantissa_top}, {0, 0, 9.9f}};
    for (const Case& c : cases) {
        for (std::int32_t seed = 1; seed <= 200; ++seed) {
            set_random_seed(seed);
            const std::int32_t e = random_int(c.lo, c.hi);
            const float m = random_real(1.0f, c.top);
            set_random_seed(seed);
            ASSERT_EQ(draw_scaled_exponent_first(c.lo, c.hi, c.top), m * static_cast<float>(std::pow(10.0, e)))
                << c.lo << ' ' << c.top << ' ' << seed;
            ASSERT_GE(m, 1.0f);
            ASSERT_LE(m, c.top);
        }
    }
}

}  // namespace
