// The formula and equation engine: balanced equations checked by hand and
// again by an independent reading, composition strings, molar masses, and
// the texts that are refused.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tools/composition_form.h"
#include "tools/equation_check.h"
#include "tools/formula_engine.h"

namespace {

using tools_test::equation_balances;

struct Case {
    const char* typed;
    const char* answer;
};

std::string balanced(const char* typed)
{
    return analyse_formula_text(balance_mode, typed);
}

TEST(FormulaEngine, BalancesEquationsAndHalfEquations)
{
    const Case cases[] = {
        {"Cl2 = ClO[-] b", "4OH[-]+Cl2=2ClO[-]+2H2O+2e"},
        {"H2 + O2 = H2O", "2H2+O2=2H2O"},
        {"Cu + HNO3 = Cu(NO3)2 + NO + H2O", "3Cu+8HNO3=3Cu(NO3)2+2NO+4H2O"},
        {"Zn + H[+] = Zn[2+] + H2", "2H[+]+Zn=Zn[2+]+H2"},
        {"Fe[2+] = Fe[3+] e", "Fe[2+]=Fe[3+]+e"},
        {"Cl2 + H2O = H[+] + Cl[-] + HClO", "H2O+Cl2=Cl[-]+HClO+H[+]"},
        // Textbook equations, balanced by hand.
        {"CH4 + O2 = CO2 + H2O", "CH4+2O2=CO2+2H2O"},
        {"C3H8 + O2 = CO2 + H2O", "C3H8+5O2=3CO2+4H2O"},
        {"Fe + O2 = Fe2O3", "4Fe+3O2=2Fe2O3"},
        {"Al + HCl = AlCl3 + H2", "2Al+6HCl=2AlCl3+3H2"},
        {"Na + H2O = NaOH + H2", "2Na+2H2O=2NaOH+H2"},
        {"NH3 + O2 = NO + H2O", "4NH3+5O2=4NO+6H2O"},
        {"C6H12O6 + O2 = CO2 + H2O", "C6H12O6+6O2=6CO2+6H2O"},
        {"Cu + HNO3 = Cu(NO3)2 + NO2 + H2O", "Cu+4HNO3=Cu(NO3)2+2NO2+2H2O"},
        {"Ca(OH)2 + H3PO4 = Ca3(PO4)2 + H2O", "3Ca(OH)2+2H3PO4=Ca3(PO4)2+6H2O"},
        {"KMnO4 + HCl = KCl + MnCl2 + Cl2 + H2O", "2KMnO4+16HCl=2KCl+2MnCl2+5Cl2+8H2O"},
        {"MnO4[-] + Fe[2+] = Mn[2+] + Fe[3+] a", "8H[+]+MnO4[-]+5Fe[2+]=Mn[2+]+5Fe[3+]+4H2O"},
        {"Cr2O7[2-] + Fe[2+] = Cr[3+] + Fe[3+] a", "14H[+]+Cr2O7[2-]+6Fe[2+]=2Cr[3+]+6Fe[3+]+7H2O"},
        {"MnO4[-] = MnO2 be", "3e+2H2O+MnO4[-]=MnO2+4OH[-]"},
    };
    for (const Case& c : cases) {
        const std::string answer = balanced(c.typed);
        EXPECT_EQ(answer, c.answer) << c.typed;
        EXPECT_TRUE(equation_balances(answer)) << c.typed << " -> " << answer;
    }
}

TEST(FormulaEngine, CoefficientsAboveNineHundredNinetyNineAreWrittenInFull)
{
    // 10 K4Fe(CN)6 + 122 KMnO4 + 299 H2SO4 = 162 KHSO4 + 5 Fe2(SO4)3 + 122 MnSO4 + 60 HNO3 + 60 CO2 + 188 H2O
    const auto start = std::chrono::steady_clock::now();
    const std::string answer = balanced("K4Fe(CN)6 + KMnO4 + H2SO4 = KHSO4 + Fe2(SO4)3 + MnSO4 + HNO3 + CO2 + H2O");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));  // a guard against a hang
    EXPECT_TRUE(answer == "Impossibile bilanciare" || equation_balances(answer)) << answer;
    // S: 77 a = c; O: 67 a + 13 b = c, so a = 13, b = 10, c = 1001.
    EXPECT_EQ(balanced("S77O67 + O13 = SO"), "13S77O67+10O13=1001SO");
    // The multipliers reach 99, 90, 5148: written divided by their common 9.
    EXPECT_EQ(balanced("S52O94 + O11 = SO2"), "11S52O94+10O11=572SO2");
}

TEST(FormulaEngine, RefusesWhatCannotBeBalanced)
{
    const char* refused[] = {"H[+] + OH[-] = H2O", "NaCl + NaCl = Na + Cl2", "H2 = O2"};
    for (const char* typed : refused) EXPECT_EQ(balanced(typed), "Impossibile bilanciare") << typed;
}

TEST(FormulaEngine, CompositionStrings)
{
    const Case cases[] = {
        {"NaCl", "Na 1Cl 1"},
        {"H2O", "H  2O  1"},
        {"Ca(OH)2", "Ca 1O  2H  2"},
        {"Fe(CN)6[4-]", "Fe 1C  6N  6[ 4-]"},
        {"H2+O2=H2O", "H  2+ O  2= H  2O  1"},
        {"Na2(SO4)20", "Na 2S 20O 80"},
    };
    for (const Case& c : cases) EXPECT_EQ(to_composition_form(c.typed, false).value_or("?"), c.answer) << c.typed;
    EXPECT_EQ(to_composition_form("NH4[+]", true).value_or("?"), "N  1H  4[%]");
    EXPECT_FALSE(to_composition_form("Na2(SO4)50", false));  // 4 times 50 is above 99
}

TEST(FormulaEngine, MolarMassesCarryTheDigitsOfTheirUncertainty)
{
    // H 1.00797, O 15.9994, Na 22.9898, Cl 35.453, Ca 40.08, each known to
    // three units of its last digit: 18.01534 +- 0.00036, 58.4428 +- 0.0033,
    // 74.09474 +- 0.031.
    const Case cases[] = {
        {"H2O", "18.0153 g"},   {"NaCl", "58.443 g"},   {"Na Cl", "58.443 g"},
        {"Ca(OH)2", "74.09 g"}, {"(OH)2", "34.0147 g"},
    };
    for (const Case& c : cases) EXPECT_EQ(analyse_formula_text(molar_mass_mode, c.typed), c.answer) << c.typed;
}

TEST(FormulaEngine, RefusesTextsThatBreakTheNotation)
{
    const std::string eleven_species = "H2 + He + Li + Be + B + C + N + O + F + Ne = H2O";
    const std::string eleven_elements = "HHeLiBeBCNOFNeNa = H2O";
    const std::string long_line = "H2 + O2 = H2O" + std::string(237, ' ') + "x";
    const struct {
        std::int32_t mode;
        std::string typed;
        const char* answer;
    } cases[] = {
        {balance_mode, "", "Sintassi errata"},
        {molar_mass_mode, "", "Sintassi errata"},
        {balance_mode, "2H2 + O2 = H2O", "Sintassi errata"},
        {balance_mode, "H2 + 2O2 = H2O", "Sintassi errata"},
        {balance_mode, "H2 + O2", "Sintassi errata"},
        {balance_mode, "H2 = O2 = H2O", "Sintassi errata"},
        {balance_mode, "Ca((OH)2)2 = Ca", "Sintassi errata"},
        {balance_mode, "CO3[-2] = CO2", "Sintassi errata"},
        {balance_mode, "SO4[10-] = SO2", "Sintassi errata"},
        {balance_mode, "H123 = H", "Sintassi errata"},
        {balance_mode, "H2 + O2 \xe2\x86\x92 H2O", "Sintassi errata"},
        {balance_mode, long_line, "Sintassi errata"},
        {balance_mode, "Fe[2+] = Fe[3+] + e", "Sintassi errata"},
        {balance_mode, "Cl2 = ClO[-]b", "Sintassi errata"},
        {balance_mode, "]", "Sintassi errata"},
        {balance_mode, "H]", "Sintassi errata"},
        {balance_mode, "H-]", "Sintassi errata"},
        {balance_mode, " e", "Sintassi errata"},
        {balance_mode, eleven_species, "Impossibile bilanciare"},
        {balance_mode, eleven_elements, "Impossibile bilanciare"},
        {molar_mass_mode, "h2o", "Sintassi errata"},
        {molar_mass_mode, "Xx", "Sintassi errata"},
        {molar_mass_mode, "NaCl[+]", "Sintassi errata"},
        {molar_mass_mode, "H2+O2", "Sintassi errata"},
        {molar_mass_mode, "Na2(SO4)50", "Sintassi errata"},
        {molar_mass_mode, "(2H)", "Sintassi errata"},
    };
    for (const auto& c : cases) EXPECT_EQ(analyse_formula_text(c.mode, c.typed), c.answer) << '"' << c.typed << '"';
    EXPECT_EQ(analyse_formula_text(molar_mass_mode, "Fe[3+]"), "Sintassi errata");  // no charge in mode 1
}

}  // namespace
