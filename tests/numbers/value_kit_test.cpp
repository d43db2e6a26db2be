#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"

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

// A slot shown by its uncertainty keeps its value; a student reads the
// value its text shows, the slot left as it was.
TEST(ValueKit, TheValueAsShownIsTheSlotsTextRead)
{
    struct Case {
        float value, uncertainty;
        const char* text;
        float shown;
    };
    const Case cases[] = {{55.7559f, 1.36f, "56", 56.0f},
                          {9.9963f, 0.03f, "10.0", 10.0f},
                          {-0.0123456f, 3e-5f, "-0.01235", -0.01235f},
                          {6.02214e23f, 3e20f, "6.022•10@u23@", 6.022e23f}};
    for (const Case& c : cases) {
        set_slot_uncertainty(4, c.value, c.uncertainty);
        EXPECT_EQ(slot_text(4), c.text);
        EXPECT_EQ(slot_value_as_shown(4), c.shown) << c.text;
        EXPECT_EQ(slot_value(4), c.value) << c.text;
    }
}

}  // namespace
