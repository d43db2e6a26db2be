// Problems 41 to 43 and their function families: the formula of the answer
// reproduces the table and predicts the value asked for.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "basic_notions_fixture.h"
#include "chapters/basic_notions/basic_notions_problems.h"
#include "chapters/basic_notions/graph_functions.h"
#include "frame/generator_kit.h"
#include "support/text_patterns.h"

namespace basic_notions_test {
namespace {

// The function written by the answer's formula, read back from its text.
struct Formula {
    std::string shape;  // the formula with its coefficients replaced by A, B and C
    double a = 0.0, b = 0.0, c = 0.0;
    double at(double x) const
    {
        if (shape == "A@ix@") return a * x;
        if (shape == "A@ix@B") return a * x + b;
        if (shape == "A@ix@@u2@") return a * x * x;
        if (shape == "A@ix@@u2@B@ix@") return a * x * x + b * x;
        if (shape == "A@ix@@u2@B@ix@C") return a * x * x + b * x + c;
        if (shape == "A/@ix@") return a / x;
        if (shape == "Aexp(B@ix@)") return a * std::exp(b * x);
        if (shape == "Aexp(B/@ix@)") return a * std::exp(b / x);
        ADD_FAILURE() << "unknown formula " << shape;
        return 0.0;
    }
};

Formula read_formula(const std::string& formula)
{
    Formula f;
    double* coefficient[] = {&f.a, &f.b, &f.c};
    std::size_t used = 0;
    std::string rest = formula.substr(std::string("@iy@ = ").size());
    // A coefficient follows the start, an "@" code's end or "(".
    while (used < 3) {
        const auto number = testing_support::find_first(rest, R"([+-]?[0-9]+\.?[0-9]*(?:•10@u-?[0-9]+@)?)");
        if (!number) break;
        const std::string& before = number->prefix;
        std::string text = (*number)[0];
        if (!text.empty() && text[0] == '+') text.erase(0, 1);
        // Exponents of codes such as "@u2@" are not coefficients.
        if (!before.empty() && before.back() == 'u') {
            f.shape += before + (*number)[0];
        } else {
            f.shape += before + std::string(1, static_cast<char>('A' + used));
            *coefficient[used++] = shown(text).value;
        }
        rest = number->suffix;
    }
    f.shape += rest;
    return f;
}

TEST(GraphFormula, WritesEachKindWithItsSigns)
{
    struct Case {
        basic_notions::GraphFunctionKind kind;
        float a, b, c;
        const char* formula;
    };
    const Case cases[] = {
        {1, 2.5f, 0, 0, "@iy@ = 2.50@ix@"},
        {2, 1.5f, -2.0f, 0, "@iy@ = 1.50@ix@-2.00"},
        {2, 1.5f, 2.0f, 0, "@iy@ = 1.50@ix@+2.00"},
        {3, -12.0f, 0, 0, "@iy@ = -12.0@ix@@u2@"},
        {4, 12.0f, -9.0f, 0, "@iy@ = 12.0@ix@@u2@-9.00@ix@"},
        {5, 12.0f, 9.0f, 3.0f, "@iy@ = 12.0@ix@@u2@+9.00@ix@+3.00"},
        {5, 12.0f, -9.0f, -3.0f, "@iy@ = 12.0@ix@@u2@-9.00@ix@-3.00"},
        {6, 1.25f, 0, 0, "@iy@ = 1.25/@ix@"},
        {7, 3.0f, -2.0f, 0, "@iy@ = 3.00exp(-2.00@ix@)"},
        {8, 3.0f, 0.25f, 0, "@iy@ = 3.00exp(0.250/@ix@)"},
    };
    for (const Case& c : cases) {
        set_slot_digits(1, c.a, 3);
        set_slot_digits(2, c.b, 3);
        set_slot_digits(3, c.c, 3);
        set_slot_digits(9, 0.5f, 3);
        std::string text = "whatever was there before";
        basic_notions::append_graph_formula(c.kind, text);
        EXPECT_TRUE(text.starts_with(std::string(c.formula) + "; ")) << text;
        const Formula f = read_formula(text.substr(0, text.find("; ")));
        EXPECT_NEAR(shown(text.substr(text.find("; ") + 2)).value, f.at(0.5), 0.006 * std::fabs(f.at(0.5)));
    }
}

TEST(GraphFormula, LeavesTextAndPredictionAloneForAnUnknownKind)
{
    std::string text = "kept";
    set_slot_digits(10, 7.0f, 3);
    basic_notions::append_graph_formula(9, text);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(slot_text(10), "7.00");
    float y[5] = {1, 2, 3, 4, 5};
    const float x[5] = {1, 1, 1, 1, 1};
    basic_notions::evaluate_graph_function(0, x, y);
    EXPECT_EQ(y[4], 5.0f);
}

void check_value_table(const std::string& statement, const std::string& answer,
                       const basic_notions::BasicNotionsState& state)
{
    const auto x_asked = shown(match(statement, "per @ix@ = NUM\\.$")[0]);
    const auto parts = match(answer, "^(.*); NUM$");
    const Formula f = read_formula(parts[0]);
    for (std::int32_t i = 1; i <= 5; ++i) {
        // Each y from its x as printed, to three digits.
        const float x = state.graph_x[i];
        const double place = std::pow(10.0, std::floor(std::log10(x)) - 2.0);
        EXPECT_NEAR(x, std::round(x / place) * place, 1e-6 * x) << "row " << i;
        EXPECT_NEAR(state.graph_y[i], f.at(x), 1e-4 * (1.0 + std::fabs(f.at(x)))) << f.shape << " row " << i;
        if (i > 1) {
            EXPECT_GT(state.graph_x[i], state.graph_x[i - 1]);
        }
    }
    EXPECT_GE(state.graph_x[1], 0.04);
    if (f.shape.find('/') != std::string::npos) {
        EXPECT_GE(x_asked.value, 0.01);
    }
    EXPECT_TRUE(within_rounding(shown(parts[1]), f.at(x_asked.value), {x_asked}));
}

TEST_F(ChapterOne, ProblemsFortyOneToFortyThreePredictFromTheirTable)
{
    for (std::int32_t k = 41; k <= 43; ++k)
        for_versions(k, 300, [&](std::int32_t) {
            check_value_table(statement(), answer_text(), basic_notions::basic_notions_state);
            const std::int32_t kind = basic_notions::basic_notions_state.graph_case;
            if (k == 41) {
                EXPECT_LE(kind, 5);
            }
            if (k == 42) {
                EXPECT_GE(kind, 6);
            }
        });
}

}  // namespace
}  // namespace basic_notions_test
