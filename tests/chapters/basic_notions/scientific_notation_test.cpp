// Problems 1 to 4 recomputed from the numbers their statements show.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "basic_notions_fixture.h"
#include "frame/app_state.h"

namespace basic_notions_test {
namespace {

TEST_F(ChapterOne, ProblemOneRewritesTheNumberAsAMultipleOfAnotherPower)
{
    for_versions(1, 500, [&](std::int32_t) {
        const auto q = match(statement(), "Convertire NUM in multiplo di 10@u(-?[0-9]+)@$");
        const auto a = match(answer_text(), "^NUM•10@u(-?[0-9]+)@$");
        const std::int32_t k = std::stoi(q[1]);
        EXPECT_NE(k, 0);
        EXPECT_NE(k, 1);
        EXPECT_EQ(std::stoi(a[1]), k);
        // The mantissa of the answer is written without a power of ten.
        EXPECT_EQ(a[0].find("@u"), std::string::npos);
        const Shown datum = shown(q[0]);
        const Shown mantissa = shown(a[0]);
        EXPECT_EQ(mantissa.significand, datum.significand);
        EXPECT_EQ(mantissa.first_place + k, datum.first_place);
    });
}

TEST_F(ChapterOne, ProblemTwoMultipliesOrDividesWithTheDigitsOfItsData)
{
    std::int32_t negative_divisors = 0;
    for_versions(2, 500, [&](std::int32_t) {
        const auto q = match(statement(), R"(Calcolare il (prodotto|rapporto) NUM (×|/) (\(?)NUM\)?$)");
        const Shown x1 = shown(q[1]);
        const Shown x2 = shown(q[4]);
        // A negative second factor stands in parentheses, and only then.
        EXPECT_EQ(q[3] == "(", x2.value < 0.0);
        if (q[0] == "rapporto" && x2.value < 0.0) ++negative_divisors;
        EXPECT_EQ(q[2] == "×", q[0] == "prodotto");
        const Shown result = shown(answer_text());
        EXPECT_EQ(x1.digits, x2.digits);
        EXPECT_EQ(result.digits, x1.digits);
        const double exact = q[0] == "prodotto" ? x1.value * x2.value : x1.value / x2.value;
        EXPECT_TRUE(within_last_digit(result, exact));
        // The exponents are drawn so that the result stays within 10^±26.
        EXPECT_LT(std::fabs(std::log10(std::fabs(exact))), 26.0);
    });
    EXPECT_GT(negative_divisors, 30);
}

TEST_F(ChapterOne, ProblemThreeAddsNumbersOfVeryDifferentSize)
{
    for_versions(3, 500, [&](std::int32_t) {
        const auto q = match(statement(), "Calcolare la (somma|differenza) NUM (\\+|-) NUM$");
        const Shown x1 = shown(q[1]);
        const Shown x2 = shown(q[3]);
        EXPECT_EQ(q[2] == "+", q[0] == "somma");
        const double ratio = std::fabs(x1.value / x2.value);
        const bool similar = ratio > 0.0101 && ratio < 99.0;
        const bool different = ratio < 0.0099 || ratio > 101.0;
        if (similar) {
            EXPECT_GE(x1.digits, 4);
        }
        if (different) {
            EXPECT_LE(x1.digits, 3);
        }
        // The second number and the result end at the first number's last place.
        if (x2.digits > 1) {
            EXPECT_EQ(x2.last_place, x1.last_place);
        }
        const Shown result = shown(answer_text());
        if (result.digits > 1) {
            EXPECT_EQ(result.last_place, x1.last_place);
        }
        const double exact = q[0] == "somma" ? x1.value + x2.value : x1.value - x2.value;
        EXPECT_TRUE(within_last_digit(result, exact));
    });
}

TEST_F(ChapterOne, ProblemFourKeepsFourDigitsThroughTheExpression)
{
    for_versions(4, 500, [&](std::int32_t) {
        const auto q = match(statement(), R"(seguente: @y26@@x-180@\(NUM(/|×)NUM\) (\+|-) \(NUM(/|×)NUM\)$)");
        const Shown a1 = shown(q[0]), a2 = shown(q[2]), b1 = shown(q[4]), b2 = shown(q[6]);
        EXPECT_GE(b1.value, 0.0);  // the sign stands before the parenthesis
        for (const Shown* s : {&a1, &a2, &b1, &b2}) {
            EXPECT_EQ(s->digits, 4);
        }
        const double first = q[1] == "/" ? a1.value / a2.value : a1.value * a2.value;
        double second = q[5] == "/" ? b1.value / b2.value : b1.value * b2.value;
        if (q[3] == "-") second = -second;
        const Shown result = shown(answer_text());
        EXPECT_EQ(result.digits, 4);
        // The value of the expression as shown, not the sum of its terms
        // rounded one by one.
        EXPECT_TRUE(within_last_digit(result, first + second));
    });
}

}  // namespace
}  // namespace basic_notions_test
