// Sections "Energia libera" and "Costanti di equilibrio": free energies of
// reaction, temperatures of spontaneity and equilibrium constants from the
// table's formation data, over many versions.
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <string>

#include "chapters/thermo_kinetics/thermo_kinetics_problems.h"
#include "chemistry/salt_solubilities.h"
#include "frame/app_state.h"
#include "thermo_kinetics_fixture.h"

namespace thermo_kinetics_test {
namespace {

struct Thermo {
    double dh = 0.0;   // kJ
    double ds = 0.0;   // J/K
    double dcp = 0.0;  // J/K
};

// dH, dS and dCp at 25 °C of the equation as shown, water vapour from its own record.
Thermo table_thermo(const std::string& equation)
{
    Thermo r;
    for (const Term& t : equation_terms(equation)) {
        const bool vapour = t.formula == "H@d2@O" && t.state == "g";
        const std::int32_t k = vapour ? 236 : compound_with_formula(t.formula);
        const double w = (t.reactant ? -1 : 1) * t.coefficient;
        r.dh += w * compound_number(k, 131, 138);
        r.ds += w * compound_number(k, 147, 152);
        r.dcp += w * compound_number(k, 153, 158);
    }
    return r;
}

TEST_F(ChapterSix, FreeEnergyOfReactionFromFreeEnergiesOfFormation)
{
    std::set<std::string> seen;
    for_versions(26, 2 * sweep, [&](std::int32_t) {
        const auto g = match(statement(), "^@T1@@C1@I(?:l valore|\\ valori) di @bD@@df@@iG@@u0@ a 298 K per (.+) "
                                          "(?:è|sono) pari a (.+) kJ/mol\\. Calcolare @bD@@iG@@u0@ a 298 K per la "
                                          "reazione (.+)$");
        EXPECT_TRUE(atom_imbalance(equation_terms(g[2])).empty()) << g[2];
        const double dg = formation_sum(g[0], g[1], g[2], 139, 146, -228.6);
        EXPECT_TRUE(within_last_digit(at(match(answer_text(), "^NUM kJ$"), 0), dg));
        seen.insert(g[0] + ": " + answer_text());
    });
    EXPECT_TRUE(seen.contains("NH@d3@@d(g)@: -32.8 kJ") || seen.contains("NH@d3@@d(g)@: 32.8 kJ"));
    EXPECT_TRUE(seen.contains("H@d2@O@d(g)@: -457.2 kJ") || seen.contains("H@d2@O@d(g)@: 457.2 kJ"));
    // N2H4 has "149,2": read up to the comma.
    EXPECT_TRUE(
        std::any_of(seen.begin(), seen.end(), [](const std::string& s) { return s.starts_with("N@d2@H@d4@"); }));
    // KClO3's free energy of formation was -289.9 kJ/mol, 5% off the reaction's.
    constexpr testing_support::VersionAnswer cases[] = {{26, 106, "225 kJ", "238 kJ"}};
    expect_answers(cases);
}

TEST_F(ChapterSix, TemperaturesOfSpontaneity)
{
    std::set<std::string> verdicts;
    for_versions(27, 2 * sweep, [&](std::int32_t) {
        const std::string equation = match(statement(), "a pressione atmosferica la reazione (.+)$")[0];
        const Thermo r = table_thermo(equation);
        const double crossover = r.dh / r.ds * 1000.0;
        if (answer_text() == "Sempre" || answer_text() == "Mai") {
            // No crossover, or one where the printed states are gone: the
            // sign of 298 K, water liquid as there.
            EXPECT_EQ(answer_text(), r.dh - 0.29815 * r.ds < 0.0 ? "Sempre" : "Mai");
            EXPECT_EQ(equation.find("H@d2@O@d(g)@"), std::string::npos) << equation;
        } else {
            const auto a = match(answer_text(), "^(T [<>]) NUM K$");
            EXPECT_EQ(a[0], r.dh > 0.0 ? "T >" : "T <");
            EXPECT_TRUE(within_last_digit(at(a, 1), crossover));
            EXPECT_EQ(at(a, 1).digits, 2);
            // Molecules at the crossover, and water in its state there.
            EXPECT_GT(crossover, 0.0);
            EXPECT_LE(crossover, 3000.0);
            if (equation.find("H@d2@O@d(g)@") != std::string::npos) {
                EXPECT_GT(crossover, 373.15);
            }
            if (equation.find("H@d2@O@d(l)@") != std::string::npos) {
                EXPECT_LT(crossover, 373.15);
            }
        }
        verdicts.insert(answer_text().substr(0, 3));
    });
    EXPECT_EQ(verdicts, (std::set<std::string>{"Sem", "Mai", "T >", "T <"}));
    // Crossovers where the printed states cannot be: water liquid at 1800 K,
    // BaCl2 solid at 2700 K (it melts at 1235), 150000 K.
    constexpr testing_support::VersionAnswer cases[] = {
        {27, 116, "Sempre", "T < 1.8•10@u3@ K with 2H@d2@O@d(l)@"},
        {27, 8, "Mai", "T > 2.7•10@u3@ K with BaCl@d2@@d(s)@ and H@d2@O@d(g)@"},
        {27, 57, "Sempre", "T < 1.5•10@u5@ K with CH@d4@ and 2H@d2@O@d(g)@"},
    };
    expect_answers(cases);
}

// The constant at t °C of the equation shown: from dG = dH - T dS of 25 °C,
// or with dH and dS carried to t by dCp.
double constant_at(const Thermo& r, double t, bool corrected)
{
    const double kelvin = t + 273.15;
    double dh = r.dh, ds = r.ds;
    if (corrected) {
        dh += r.dcp * (t - 25.0) * 1e-3;
        ds += r.dcp * std::log(kelvin / 298.15);
    }
    return std::exp(-(dh * 1000.0 - kelvin * ds) / (gas_constant * kelvin));
}

// The constant at the temperature shown (below 100 °C, whole degrees: it
// once came from the temperature drawn, up to half a degree away).
::testing::AssertionResult shown_constant(const Shown& k, const Thermo& r, const Shown& t, bool corrected)
{
    return within_last_digit(k, constant_at(r, t.value, corrected), 0.51, 1e-4);
}

// A temperature above 100 °C is cut to tens, above 1000 °C to hundreds.
void expect_cut(const Shown& t)
{
    if (t.value > 1000.0) {
        EXPECT_EQ(std::fmod(t.value, 100.0), 0.0);
    }
    if (t.value > 100.0) {
        EXPECT_EQ(std::fmod(t.value, 10.0), 0.0);
    }
    EXPECT_EQ(t.last_place, 0);
}

TEST_F(ChapterSix, EquilibriumConstantsOfGasReactions)
{
    for_versions(28, sweep, [&](std::int32_t) {
        const auto g = match(statement(), "la costante di equilibrio a NUM@uo@C per la reazione (.+)$");
        const Thermo r = table_thermo(g[1]);
        expect_cut(at(g, 0));
        const Shown k = at(match(answer_text(), "^NUM$"), 0);
        EXPECT_GT(k.value, 0.0);
        EXPECT_EQ(k.digits, 2);
        EXPECT_TRUE(shown_constant(k, r, at(g, 0), false));
    });
    for_versions(29, sweep, [&](std::int32_t) {
        const auto g = match(statement(), "^@T1@@C1@Per la reazione (.+) a NUM@uo@C, confrontare");
        const Thermo r = table_thermo(g[0]);
        expect_cut(at(g, 1));
        const auto a = match(answer_text(), "^NUM; NUM$");
        for (const bool corrected : {false, true}) {
            EXPECT_GT(at(a, corrected).value, 0.0);
            EXPECT_TRUE(shown_constant(at(a, corrected), r, at(g, 1), corrected));
        }
    });
}

TEST_F(ChapterSix, DissolutionEnthalpyAndEntropyFromTwoSolubilities)
{
    for_versions(30, sweep, [&](std::int32_t) {
        const auto g =
            match(statement(), "satura di (.+?) è NUM F a NUM@uo@C e NUM F a NUM@uo@C\\. Calcolare .* per la "
                               "reazione (.+)$");
        // The salt table's two figures, in g per 100 mL.
        const auto row = std::ranges::find(salt_solubilities, g[0], &SaltSolubility::formula);
        ASSERT_NE(row, salt_solubilities.end()) << g[0];
        const SaltSolubility& salt = *row;
        const double at_25 = std::stod(std::string(salt.at_25));
        const double at_100 = std::stod(std::string(salt.at_100));
        EXPECT_TRUE(g[5].starts_with(g[0].substr(0, g[0].size() - 1)));
        // The saturated solution the measured table states, as chapter 5's
        // pages do; without one, ln S linear in 1/T through both figures;
        // in mol/L.
        const double slope = std::log(at_100 / at_25) / (1.0 / 298.15 - 1.0 / 373.15);
        const auto molar = [&](double t) {
            const std::optional<float> measured = measured_solubility(salt.formula, static_cast<float>(t));
            const double grams = measured ? *measured : at_25 * std::exp(slope * (1.0 / 298.15 - 1.0 / (t + 273.15)));
            return 10.0 * grams / molar_mass(compound_with_formula(g[0]));
        };
        const Shown s1 = at(g, 1), t1 = at(g, 2), s2 = at(g, 3), t2 = at(g, 4);
        EXPECT_GE(t2.value - t1.value, 9.0);
        EXPECT_TRUE(within_last_digit(s1, molar(t1.value)));
        EXPECT_TRUE(within_last_digit(s2, molar(t2.value)));
        // Ksp: s^2 for AgCl, 4 s^3 for the others; -RT ln K = dH - T dS.
        const bool one_to_one = g[5].find("+ 2") == std::string::npos && g[5].find("= 2") == std::string::npos;
        const auto ksp = [one_to_one](double s) { return one_to_one ? s * s : 4.0 * s * s * s; };
        const double k1 = t1.value + 273.15, k2 = t2.value + 273.15;
        const double ds = gas_constant * (k2 * std::log(ksp(s2.value)) - k1 * std::log(ksp(s1.value))) / (k2 - k1);
        const double dh = (ds - gas_constant * std::log(ksp(s2.value))) * k2 * 1e-3;
        const auto a = match(answer_text(), "^NUM kJ; NUM J/K$");
        EXPECT_TRUE(within_last_digit(at(a, 0), dh));
        EXPECT_TRUE(within_last_digit(at(a, 1), ds));
        // HgBr2 dissolves as molecules, not as the ions the page would teach;
        // Ag2SO4's measured figures leave ΔS° within its uncertainty of zero.
        EXPECT_NE(g[0], "HgBr@d2@");
        EXPECT_NE(g[0], "Ag@d2@SO@d4@");
        EXPECT_NE(backend.log_text().find("Dic. 07"), std::string::npos);
    });
    // The saturated solutions as measured, printed as such (v67 once PbCl2
    // "0.0165 F a 27 °C", the figure of its ions alone; about 0.040 F is
    // measured). HgBr2 and Ag2SO4 are drawn again (v67, v1), and so are
    // temperatures that leave ΔS° under its uncertainty.
    constexpr testing_support::VersionAnswer cases[] = {
        {30, 1, "65 kJ; 33 J/K", "18 kJ; -35 J/K, Ag2SO4"},
        {30, 67, "38 kJ; 60 J/K", "40 kJ; 64 J/K, PbCl2 on its two figures"},
        {30, 3, "66 kJ; 33 J/K", "66 kJ; 34 J/K, 45 and 85 °C"}};
    expect_answers(cases);
}

TEST_F(ChapterSix, ConstantsBeyondSinglePrecisionShowFromTheFreeEnergy)
{
    struct Case {
        float k;
        double dg, kelvin;
        bool reversed;
        const char* shown;
    };
    // dG = -200 kJ at 300 K: K = e^80.19 = 6.7e34, its reverse 1.5e-35.
    const Case cases[] = {
        {-1.0f, -200.0, 300.0, false, "6.7\u202210@u34@"},
        {-1.0f, -200.0, 300.0, true, "1.5\u202210@u-35@"},
        {3.0e-39f, 220.0, 300.0, false, "4.9\u202210@u-39@"},
        {3.0e-39f, 220.0, 300.0, true, "2.0\u202210@u38@"},
        {2.0e-30f, 170.0, 300.0, true, "5.0\u202210@u29@"},
        {0.1523f, 7.874, 503.15, false, "0.15"},
        {0.1523f, 7.874, 503.15, true, "6.6"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(thermo_kinetics::equilibrium_constant_text(c.k, c.dg, c.kelvin, c.reversed), c.shown)
            << c.dg << " " << c.reversed;
}

TEST_F(ChapterSix, TextVersionOfTheEquilibriumConstants)
{
    // Reaction 1 at 230 °C: K = 0.15 forwards, 6.6 backwards.
    // Version 18 at 82 °C once took the constant of the temperature drawn.
    constexpr testing_support::VersionAnswer cases[] = {{28, 18, "7.0•10@u-4@", "7.2•10@u-4@"}};
    expect_answers(cases);
    generate(28, text_version);
    const std::string equation = match(statement(), "a 230@uo@C per la reazione (.+)$")[0];
    const bool reversed = equation.find("NH@d3@@d(g)@ =") != std::string::npos;
    EXPECT_TRUE(reversed || equation.find("N@d2@@d(g)@ + 3H@d2@@d(g)@ =") != std::string::npos) << equation;
    EXPECT_EQ(answer_text(), reversed ? "6.6" : "0.15");

    // Whole degrees below 100 °C, where 9.6 °C once read "1.•10@u1@@uo@C".
    generate(29, 2659);
    EXPECT_NE(statement().find(" a 10@uo@C, confrontare"), std::string::npos) << statement();

    generate(29, text_version);
    EXPECT_TRUE(statement().starts_with("@T1@@C1@Per la reazione 2NO@d(g)@ + O@d2@@d(g)@ = 2NO@d2@@d(g)@ a "))
        << statement();

    // PbCl2 in place of the book's Ag2SO4, whose ΔS° its data leave undetermined.
    generate(30, text_version);
    EXPECT_NE(statement().find("satura di PbCl@d2@ è"), std::string::npos) << statement();
}

}  // namespace
}  // namespace thermo_kinetics_test
