// Random and mutated texts through analyse_formula_text: every answer is a
// message, a molar mass, or an equation that an independent reading finds
// balanced. A few thousand inputs here; a long run by hand with
// BRUNATEL_FUZZ_INPUTS=200000 build/tests_tools --gtest_filter='*Fuzz*'.
#include <gtest/gtest.h>

#include <string>

#include "tools/equation_check.h"
#include "tools/formula_engine.h"
#include "tools/fuzz_inputs.h"

namespace {

using tools_test::FuzzInputs;

TEST(FormulaFuzz, EveryAnswerIsAMessageAMassOrABalancedEquation)
{
    FuzzInputs inputs(0x5eed1u,
                      {
                          "Cl2 = ClO[-] b",
                          "Cu + HNO3 = Cu(NO3)2 + NO + H2O",
                          "Zn + H[+] = Zn[2+] + H2",
                          "Fe[2+] = Fe[3+] e",
                          "MnO4[-] + Fe[2+] = Mn[2+] + Fe[3+] a",
                          "K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O",
                          "Ca(OH)2",
                          "Fe(CN)6[4-]",
                      },
                      "ABCDEFGHIJKLMNOPQRSTUVWXYZ(+=)[]-abcdefghijklmnopqrstuvwxyz 1234567890");
    const std::size_t count = tools_test::fuzz_input_count(20000);
    std::size_t equations = 0;
    std::size_t masses = 0;
    for (std::size_t n = 0; n < count; ++n) {
        const std::string typed = inputs.next();
        const std::string equation = analyse_formula_text(balance_mode, typed);
        if (equation != "Sintassi errata") ++equations;
        if (equation != "Sintassi errata" && equation != "Impossibile bilanciare") {
            EXPECT_TRUE(tools_test::equation_balances(equation)) << '"' << typed << "\" -> " << equation;
        }
        const std::string mass = analyse_formula_text(molar_mass_mode, typed);
        if (mass != "Sintassi errata") {
            ++masses;
            EXPECT_TRUE(mass.ends_with(" g")) << '"' << typed << "\" -> " << mass;
        }
    }
    // The mutations must reach the balancer and the molar masses, not only the checks.
    EXPECT_GT(equations, count / 10);
    EXPECT_GT(masses, count / 200);
}

}  // namespace
