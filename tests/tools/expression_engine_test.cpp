// The expression engine: values and error estimates checked against an
// independent evaluation, the order of operations, and what is refused.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/expression_engine.h"

namespace {

struct Evaluated {
    bool prepared = false;
    bool evaluated = false;
    double value = 0.0;
    double error = 0.0;
};

Evaluated evaluate(const std::string& expression, double x)
{
    Evaluated e;
    e.prepared = prepare_expression(expression) == Preparation::ready;
    if (e.prepared) e.evaluated = evaluate_coded_expression(1, x, 0, 0, 0, 0, {}, e.value, e.error);
    return e;
}

#define CHECK_EVAL(expression, x, expected)                                                                            \
    do {                                                                                                               \
        const Evaluated e = evaluate(expression, x);                                                                   \
        EXPECT_TRUE(e.prepared&& e.evaluated) << expression;                                                           \
        EXPECT_NEAR(e.value, expected, std::abs(expected) * 1e-13 + 1e-300) << expression;                             \
    } while (false)

#define CHECK_REFUSED_AT_EVALUATION(expression, x)                                                                     \
    do {                                                                                                               \
        const Evaluated e = evaluate(expression, x);                                                                   \
        EXPECT_TRUE(e.prepared) << expression;                                                                         \
        EXPECT_FALSE(e.evaluated) << expression;                                                                       \
    } while (false)

TEST(ExpressionEngine, ValuesAndOrderOfOperations)
{
    CHECK_EVAL("(x-1.2e-121*ln(x))^(-0.76)", 1e-120, std::pow(1e-120 - 1.2e-121 * std::log(1e-120), -0.76));
    CHECK_EVAL("2^3^2", 0, 64.0);
    CHECK_EVAL("-x^2", 3, -9.0);
    CHECK_EVAL("(-2)^3", 0, -8.0);
    CHECK_EVAL("0^0", 0, 0.0);
    CHECK_EVAL("(x*x)+ln(x)", 2, 4 + std::log(2.0));
    CHECK_EVAL("2*(-3)", 0, -6.0);
    CHECK_EVAL("8/4/2", 0, 1.0);
    CHECK_EVAL("10^299", 0, 1e299);
    CHECK_EVAL("-(x)", 5, -5.0);
    CHECK_EVAL("+x", 5, 5.0);
    CHECK_EVAL("x", 7.5, 7.5);
    CHECK_EVAL("LN(X)", std::exp(2.0), 2.0);
    CHECK_EVAL("pi", 0, 3.141592653589793);
    CHECK_EVAL("nav*2", 0, 2 * 6.02214076e23);
    // The SI's exact R, Avogadro's times Boltzmann's constant, and R over
    // 101.325 J/(L atm): R^2 / (101.325 k) is R N_A / 101.325.
    CHECK_EVAL("ral*rsi/kbz", 0, 8.31446261815324 * 6.02214076e23 / 101.325);
    CHECK_EVAL("log(1000)+exp(0)+sin(0)+cos(0)+tan(0)", 0, 5.0);
    CHECK_EVAL(".5+5.+1.e1", 0, 15.5);
    CHECK_EVAL("mf[H2O]", 0, 18.0153);
    CHECK_EVAL("2*mf[Ca(OH)2]", 0, 148.18);
    CHECK_EVAL("(mf[NaCl])", 0, 58.443);
}

TEST(ExpressionEngine, ErrorEstimateFollowsTheOperands)
{
    // ln(1e-120) = -276.3: the base is 1e-120 (1 + 0.3316), its relative
    // error about 1e-16 + 1.2e-121 * 276.3 * 1e-16 / 1.33e-120; times 0.76.
    const Evaluated e = evaluate("(x-1.2e-121*ln(x))^(-0.76)", 1e-120);
    EXPECT_NEAR(e.value, 1.0828124374303e+90, 1e77);
    EXPECT_GT(e.error / e.value, 1e-14);
    EXPECT_LT(e.error / e.value, 4e-14);
    EXPECT_NEAR(evaluate("1+1", 0).error, 2e-16, 1e-30);
    EXPECT_NEAR(evaluate("x*1e6", 3).error, 6e-10, 1e-22);
    EXPECT_NEAR(evaluate("ln(x)", 1).error, 1e-16, 1e-30);  // raised to the floor
}

TEST(ExpressionEngine, RefusedAtEvaluation)
{
    const char* refused[] = {"1/0",       "ln(0)",    "log(-1)", "exp(691)", "sin(2e10)", "tan(2e6)",
                             "tan(pi/2)", "(-2)^0.5", "0^(-1)",  "10^301",   "2exp(1)",   "ln(x)"};
    for (const char* expression : refused) CHECK_REFUSED_AT_EVALUATION(expression, -1.0);
}

TEST(ExpressionEngine, AsManyNumbersAsTheLengthAllows)
{
    // The sum of 41 numbers a student typed; then every slot a text under
    // 190 characters can ask for, with ln(x) taking one more.
    std::string sum = "1";
    for (int n = 2; n <= 41; ++n) sum.append("+").append(std::to_string(n));
    CHECK_EVAL(sum, 0.0, 861.0);
    std::string longest = "ln(x)";
    while (longest.size() + 2 < 190) longest += "+1";
    CHECK_EVAL(longest, std::exp(1.0), 1.0 + (longest.size() - 5) / 2);
    const std::string doubled = std::string("(").append(longest, 6).append(")*2");
    CHECK_EVAL(doubled, 0.0, static_cast<double>(longest.size() - 5));
}

TEST(ExpressionEngine, SyntaxErrors)
{
    const std::string refused[] = {"2*-3",     "2x",       "x2", "2(3)",    "(1)(2)", "e5",     "1e",     "1e+",
                                   "tan(x",    "tanx",     "ln", "sin(x))", "[H2O]",  "mf[H2O", "mf[Xx]", "2mf[H2O]",
                                   "mf[H2O]2", "mf[H2O]x", "PI", "Nav",     "x&1",    "1.2.3",  "."};
    for (const std::string& expression : refused)
        EXPECT_EQ(prepare_expression(expression), Preparation::syntax_error) << expression;
}

// Well-formed texts the engine cannot take are refused for what they are,
// not as broken rules: too long once the constants are put in, or holding
// a number beyond the doubles (about 1.8e308).
TEST(ExpressionEngine, WellFormedTextsRefused)
{
    const std::string longest = "1+" + std::string(187, '1');  // 189 characters
    const struct {
        std::string expression;
        Preparation outcome;
    } cases[] = {
        {longest, Preparation::ready},
        {longest + "1", Preparation::too_long},
        {std::string(172, '1') + "+pi", Preparation::too_long},  // pi puts in 17 characters
        {"x-1e309", Preparation::out_of_range},
        {"x-1.7e308", Preparation::ready},
        {"2*(x+1e400)", Preparation::out_of_range},
    };
    for (const auto& c : cases) EXPECT_EQ(prepare_expression(c.expression), c.outcome) << c.expression;
}

}  // namespace
