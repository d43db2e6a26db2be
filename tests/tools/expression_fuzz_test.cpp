// Random and mutated expressions through prepare_expression and the
// evaluation: no crash, no hang, and every value shown is a finite number
// written in full. A long run by hand as for the formula fuzz test.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tools/calculator.h"
#include "tools/expression_engine.h"
#include "tools/fuzz_inputs.h"

namespace {

TEST(ExpressionFuzz, EveryEvaluationIsFiniteAndShowable)
{
    tools_test::FuzzInputs inputs(0xca1cu,
                                  {"(x-1.2e-121*ln(x))^(-0.76)", "2^3^2*exp(-x)/tan(pi/4)", "-x^2+log(1e5)",
                                   "sin(x)*cos(x)-1.e-3", "2*mf[Ca(OH)2]+nav*kbz", "(((x)))^0.5", "10^299", "ln(x)+1"},
                                  "0123456789.e+-*/^()xXlnogexpsicta[]mfHO ");
    const std::size_t count = tools_test::fuzz_input_count(5000);
    std::size_t prepared = 0;
    for (std::size_t n = 0; n < count; ++n) {
        const std::string typed = inputs.next();
        if (prepare_expression(typed) != Preparation::ready) continue;
        ++prepared;
        for (const double x : {0.0, -1.5, 3.0, 1e-320, 1e300}) {
            double value = 0.0;
            double error = 0.0;
            if (!evaluate_coded_expression(1, x, 0, 0, 0, 0, {}, value, error)) continue;
            EXPECT_TRUE(std::isfinite(value)) << typed << " at " << x;
            const std::string shown = calculator_result_text(value, error);
            EXPECT_EQ(shown.find('*'), std::string::npos) << typed << " at " << x << ": " << shown;
        }
    }
    EXPECT_GT(prepared, count / 20);
}

}  // namespace
