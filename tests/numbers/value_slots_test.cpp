#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace {

// The number a display text shows, read the way a student reads it.
float shown_value(const std::string& display)
{
    std::string number = display;
    if (const auto dot = number.find("\u2022"); dot != std::string::npos) {
        const auto up = number.find("@u", dot);
        number = number.substr(0, dot) + "e" + number.substr(up + 2, number.size() - up - 3);
    }
    float value = std::numeric_limits<float>::quiet_NaN();
    std::from_chars(number.data(), number.data() + number.size(), value);
    return value;
}

ValueSlot& converted(std::int32_t slot, float value, std::int32_t mode, float uncertainty = 0.0f)
{
    value_slots[slot].value = value;
    value_slots[slot].uncertainty = uncertainty;
    convert_data_slot(slot, mode);
    return value_slots[slot];
}

ValueSlot& typed(std::int32_t slot, const std::string& text)
{
    value_slots[slot].input_text = text;
    convert_data_slot(slot, slot_digits_from_text);
    return value_slots[slot];
}

struct DigitsCase {
    float given;
    std::int32_t n;
    float after;
    float uncertainty;
    const char* display;
};

TEST(ValueSlots, ModeNRoundsShowsAndDerivesTheUncertainty)
{
    const DigitsCase cases[] = {
        {123.456f, 4, 123.5f, 0.3f, "123.5"},
        {123.456f, 2, 120.0f, 30.0f, "1.2\u202210@u2@"},
        {0.012345f, 3, 0.0123f, 0.0003f, "0.0123"},
        {0.0012345f, 3, 0.00123f, 0.00003f, "1.23\u202210@u-3@"},
        {6.022142e23f, 4, 6.022e23f, 3e20f, "6.022\u202210@u23@"},
        {5.0f, 1, 5.0f, 3.0f, "5"},
        {500.0f, 1, 500.0f, 300.0f, "5.\u202210@u2@"},
        {9.996f, 3, 10.0f, 0.3f, "10.0"},
        {99960.0f, 3, 100000.0f, 3000.0f, "1.00\u202210@u5@"},
        {-0.5f, 1, -0.5f, 0.3f, "-0.5"},
        {0.5f, 2, 0.5f, 0.03f, "0.50"},
        {12345.0f, 5, 12345.0f, 3.0f, "12345"},
        {123456.0f, 6, 123456.0f, 3.0f, "1.23456\u202210@u5@"},
        // zero, small negatives and the edges of the fixed form
        {0.0f, 3, 0.0f, 0.003f, "0.00"},
        {-0.0f, 2, 0.0f, 0.03f, "0.0"},
        {-0.05f, 2, -0.05f, 0.003f, "-0.050"},
        {-0.00456f, 2, -0.0046f, 0.0003f, "-4.6\u202210@u-3@"},
        {0.0999f, 2, 0.1f, 0.03f, "0.10"},
        {1234.5f, 4, 1235.0f, 3.0f, "1235"},
        {1234.5f, 3, 1230.0f, 30.0f, "1.23\u202210@u3@"},
        {-98765.4f, 6, -98765.4f, 0.3f, "-98765.4"},
        {2.5f, 1, 3.0f, 3.0f, "3"},
        {-2.5f, 1, -3.0f, 3.0f, "-3"},
        {1.0e-20f, 2, 1.0e-20f, 3e-21f, "1.0\u202210@u-20@"},
        // Planck's constant in kcal s: 10^41 overflows a REAL, its inverse does not
        {1.5837e-37f, 5, 1.5837e-37f, 3e-41f, "1.5837\u202210@u-37@"},
    };
    for (const DigitsCase& c : cases) {
        const ValueSlot& s = converted(7, c.given, c.n);
        EXPECT_EQ(s.display_text, c.display) << c.given << " n=" << c.n;
        EXPECT_FLOAT_EQ(s.value, c.after) << c.given << " n=" << c.n;
        EXPECT_FLOAT_EQ(s.uncertainty, c.uncertainty) << c.given << " n=" << c.n;
        EXPECT_EQ(s.digits, c.n);
        EXPECT_EQ(s.input_text.size(), 20u);
    }
    EXPECT_EQ(converted(20, 123.456f, 4).input_text, "          0.1235E+03");
}

TEST(ValueSlots, ModeMinusOneTakesTheDigitsFromTheUncertainty)
{
    struct Case {
        float value;
        float uncertainty;
        std::int32_t digits;
        const char* display;
    };
    const Case cases[] = {
        {123.456f, 0.3f, 4, "123.5"},
        {123.456f, 0.03f, 5, "123.46"},
        {123.456f, 3.0f, 3, "123"},
        {0.0821f, 0.0005f, 3, "0.0821"},
        {-2.45e-5f, 3e-7f, 3, "-2.45\u202210@u-5@"},
        // A rounding that carries keeps the place of the uncertainty's digit.
        {9.996f, 0.05f, 4, "10.00"},
        {99.84f, 1.75f, 3, "100"},
        {0.9686f, 0.2f, 2, "1.0"},
        {123.456f, -0.3f, 4, "123.5"},  // a negative uncertainty counts by its size
        {0.5f, 20.0f, 1, "0.5"},        // larger than the value: still one digit
        {3.0f, 0.0f, 2, "3.0"},         // none at all: one digit below the first
    };
    for (const Case& c : cases) {
        const ValueSlot& s = converted(3, c.value, -1, c.uncertainty);
        EXPECT_EQ(s.digits, c.digits) << c.value << " +- " << c.uncertainty;
        EXPECT_EQ(s.display_text, c.display) << c.value << " +- " << c.uncertainty;
        EXPECT_EQ(s.value, c.value);  // not rounded
        EXPECT_EQ(s.uncertainty, c.uncertainty);
    }
}

TEST(ValueSlots, ModeZeroCountsTheDigitsAsTyped)
{
    struct Case {
        const char* text;
        float value;
        std::int32_t digits;
        float uncertainty;
        const char* display;
    };
    const Case cases[] = {
        {"0.0120", 0.012f, 3, 0.0003f, "0.0120"},
        {"1.0e-5", 1.0e-5f, 2, 3e-6f, "1.0\u202210@u-5@"},
        {"120", 120.0f, 3, 3.0f, "120"},
        {"0.0", 0.0f, 1, 0.3f, "0"},
        {"  -4.50   ", -4.5f, 3, 0.03f, "-4.50"},
        {"55.847", 55.847f, 5, 0.003f, "55.847"},
        {"6.02214E23", 6.02214e23f, 6, 3e18f, "6.02214\u202210@u23@"},
        {".5", 0.5f, 1, 0.3f, "0.5"},
        {"-.25", -0.25f, 2, 0.03f, "-0.25"},
        {"+7", 7.0f, 1, 3.0f, "7"},
        {"1.00794", 1.00794f, 6, 0.00003f, "1.00794"},
        // Not numbers: a plain 0 instead of a stop.
        {"", 0.0f, 1, 0.3f, "0"},
        {"      ", 0.0f, 1, 0.3f, "0"},
        {"abc", 0.0f, 1, 0.3f, "0"},
        {"1.2.3", 0.0f, 1, 0.3f, "0"},
        {"NaN", 0.0f, 1, 0.3f, "0"},
    };
    for (const Case& c : cases) {
        const ValueSlot& s = typed(11, c.text);
        EXPECT_FLOAT_EQ(s.value, c.value) << '"' << c.text << '"';
        EXPECT_EQ(s.digits, c.digits) << '"' << c.text << '"';
        EXPECT_FLOAT_EQ(s.uncertainty, c.uncertainty) << '"' << c.text << '"';
        EXPECT_EQ(s.display_text, c.display) << '"' << c.text << '"';
    }
}

TEST(ValueSlots, OversizedDigitCountsAreClampedToWhatTheFieldsShow)
{
    for (float value : {1.0e20f, -0.00123f, 0.0f, -98765.4f, 3.4e38f, -1.2e-38f}) {
        for (std::int32_t mode : {13, 20, 99}) {
            const ValueSlot& s = converted(5, value, mode);
            EXPECT_LE(s.digits, 12);
            EXPECT_EQ(s.display_text.find('*'), std::string::npos) << value << " " << s.display_text;
            EXPECT_EQ(s.input_text.find('*'), std::string::npos) << value;
        }
        const ValueSlot& s = converted(5, value, -1, 0.0f);  // zero uncertainty on any value
        EXPECT_GE(s.digits, 1);
        EXPECT_EQ(s.display_text.find('*'), std::string::npos) << value << " " << s.display_text;
    }
}

TEST(ValueSlots, NonFiniteNumbersShowAQuestionMark)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_EQ(converted(2, nan, 3).display_text, "?");
    EXPECT_EQ(converted(2, -inf, 2).display_text, "?");
    EXPECT_EQ(converted(2, inf, -1, 0.1f).display_text, "?");
    EXPECT_EQ(converted(2, 1.5f, -1, nan).display_text, "?");
    EXPECT_EQ(converted(2, 1.5f, -1, inf).display_text, "?");
    // The slot is usable again at once.
    EXPECT_EQ(converted(2, 1.5f, 2).display_text, "1.5");
}

TEST(ValueSlots, NumbersBeyondARealShowAsASlotWouldShowThem)
{
    EXPECT_EQ(significant_markup(6.56e45, 2), "6.6\u202210@u45@");
    EXPECT_EQ(significant_markup(-1.449e-60, 2), "-1.4\u202210@u-60@");
    // Three-digit exponents, whose field has no room for the letter.
    EXPECT_EQ(significant_markup(2.5e123, 2), "2.5\u202210@u123@");
    EXPECT_EQ(significant_markup(9.96e-150, 2), "1.0\u202210@u-149@");
    // Within a REAL's range the text is the slot's.
    for (const float v : {0.1523f, 6.566f, 1.0e30f, 3.3e-12f, 0.0f})
        EXPECT_EQ(significant_markup(v, 2), converted(4, v, 2).display_text) << v;
    EXPECT_EQ(significant_markup(std::numeric_limits<double>::infinity(), 2), "?");
}

TEST(ValueSlots, StoredValueIsTheValueShown)
{
    set_random_seed(2024);
    for (int i = 0; i < 4000; ++i) {
        const float mantissa = random_real(-10.0f, 10.0f);
        const float value = mantissa * std::pow(10.0f, static_cast<float>(random_int(-12, 12)));
        const std::int32_t n = random_int(1, 9);
        const ValueSlot& s = converted(9, value, n);
        EXPECT_EQ(shown_value(s.display_text), s.value) << value << " n=" << n << " shows " << s.display_text;
    }
}

TEST(ValueSlots, SlotsCountFromOneToTwenty)
{
    value_slots[1].value = 1.0f;
    value_slots[20].value = 20.0f;
    EXPECT_EQ(value_slots.slots.front().value, 1.0f);
    EXPECT_EQ(value_slots.slots.back().value, 20.0f);
    EXPECT_THROW(value_slots[21], std::out_of_range);
    EXPECT_THROW(value_slots[0], std::out_of_range);
}

}  // namespace
