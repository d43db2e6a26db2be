#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "numbers/random_stream.h"
#include "numbers/value_kit.h"
#include "numbers/value_slots.h"
#include "support/shown_numbers.h"

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
                          {9.9963f, 0.03f, "10.00", 10.0f},
                          {-0.0123456f, 3e-5f, "-0.01235", -0.01235f},
                          {6.02214e23f, 3e20f, "6.022•10@u23@", 6.022e23f}};
    for (const Case& c : cases) {
        set_slot_uncertainty(4, c.value, c.uncertainty);
        EXPECT_EQ(slot_text(4), c.text);
        EXPECT_EQ(slot_value_as_shown(4), c.shown) << c.text;
        EXPECT_EQ(slot_value(4), c.value) << c.text;
    }
}

// An answer from data takes the value of the data as shown and the digits
// their uncertainties leave, summed to first order; a one-digit "1" (three
// units either side) is uncertain by itself, never past zero, where a signed
// first datum (a temperature in °C) counts its three units in full, at 0.0
// too. The chapters' tests count those digits by their own rule: both agree
// on each edge, and on a rounding that carries into a new digit.
TEST(ValueKit, AnAnswerFromDataTakesTheDigitsItsDataLeave)
{
    struct Case {
        float first;
        std::int32_t first_digits;
        float second;
        double (*value_of)(const std::vector<double>&);
        const char* text;
        bool first_signed = false;
    };
    const Case cases[] = {
        {2.004f, 3, 3.0f, [](const std::vector<double>& d) { return d[0] * d[1]; }, "6.0"},
        {2.0f, 3, 99.83f, [](const std::vector<double>& d) { return d[0] * std::sqrt(100.0 - d[1]); }, "0.9"},
        {-1.99f, 3, 3.0f, [](const std::vector<double>& d) { return std::sqrt(d[0] + 2.0) * d[1]; }, "0.3"},
        {1.0f, 1, 4.0f, [](const std::vector<double>& d) { return std::sqrt(d[0]) * d[1]; }, "4"},
        {1.0f, 1, 4.0f, [](const std::vector<double>& d) { return d[1] / d[0]; }, "4"},
        {1.0f, 1, 92.0f, [](const std::vector<double>& d) { return d[1] + 4.0 * d[0]; }, "96"},
        {9.96f, 3, 1.0f, [](const std::vector<double>& d) { return d[0] * d[1]; }, "10.0"},
        {0.0f, 2, 3.0f, [](const std::vector<double>& d) { return d[0] + d[1]; }, "3.0", true},
        {2.0f, 1, 96.0f, [](const std::vector<double>& d) { return 4.0 * d[0] + d[1]; }, "1.0•10@u2@", true},
    };
    for (const Case& c : cases) {
        set_slot_digits(1, c.first, c.first_digits);
        set_slot_digits(2, c.second, 3);
        if (c.first_signed)
            set_slot_from_data(3, {1, 2}, {1}, c.value_of);
        else
            set_slot_from_data(3, {1, 2}, c.value_of);
        EXPECT_EQ(slot_text(3), c.text) << c.first << ' ' << c.second;
        using testing_support::shown;
        EXPECT_TRUE(testing_support::digits_of_data(
            shown(slot_text(3)), c.value_of, {shown(slot_text(1)), shown(slot_text(2))}, 12, {c.first_signed, false}))
            << c.text;
    }
    // An answer the book shows with fewer digits keeps them.
    set_slot_digits(1, 2.004f, 4);
    set_slot_digits(2, 3.0f, 4);
    const auto product = [](const std::vector<double>& d) { return d[0] * d[1]; };
    set_slot_from_data(3, {1, 2}, product);
    EXPECT_EQ(slot_text(3), "6.01");
    set_slot_from_data(3, {1, 2}, product, 2);
    EXPECT_EQ(slot_text(3), "6.0");
}

// A temperature's uncertainty counts on its kelvin value, also near and
// below 0 °C; an answer is no answer where its uncertainty passes its
// magnitude, but an exact zero is one.
TEST(ValueKit, UncertaintiesAgainstTheValueTheyQualify)
{
    struct Case {
        float value, uncertainty;
        float kelvin_relative;
        bool exceeded;
    };
    const Case cases[] = {{62.4f, 0.3f, 0.3f / 335.55f, false},
                          {0.0f, 0.5f, 0.5f / 273.15f, true},
                          {-40.0f, 3.0f, 3.0f / 233.15f, false},
                          {40.0f, 52.0f, 52.0f / 313.15f, true},
                          {0.0f, 0.0f, 0.0f, false},
                          {-2e-6f, 3e-6f, 3e-6f / 273.15f, true}};
    for (const Case& c : cases) {
        value_slots[4].value = c.value;
        value_slots[4].uncertainty = c.uncertainty;
        EXPECT_FLOAT_EQ(kelvin_relative_uncertainty(4), c.kelvin_relative) << c.value;
        EXPECT_EQ(uncertainty_exceeds_value(4), c.exceeded) << c.value << " ± " << c.uncertainty;
    }
}

// Powers of ten held in single precision just below or above themselves
// keep their exponent.
TEST(ValueKit, TheExponentOfTheFirstDigit)
{
    const std::pair<float, std::int32_t> cases[] = {{345.0f, 2},   {-345.0f, 2}, {0.00345f, -3}, {1.0f, 0},
                                                    {9.999f, 0},   {10.0f, 1},   {0.1f, -1},     {0.001f, -3},
                                                    {1e-30f, -30}, {3e38f, 38}};
    for (const auto& [x, exponent] : cases) EXPECT_EQ(exponent_of(x), exponent) << x;
}

}  // namespace
