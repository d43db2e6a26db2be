// The chapter's own examples, what "Versione Testo" poses, and what
// "Nessuna Versione" never repeats.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chapters/final_problems/final_problems_problems.h"
#include "export/rtf_export_markup.h"
#include "final_problems_fixture.h"
#include "frame/app_state.h"
#include "frame/statement_equation.h"
#include "numbers/value_kit.h"

namespace final_problems_test {
namespace {

using FinalProblemBehaviour = ChapterNine;

TEST_F(FinalProblemBehaviour, WorkedExamples)
{
    // A boiling point that rounds to 100 gets a fourth digit.
    final_problems::set_slot_digits_from(4, 99.96f, 100.0f, 3);
    EXPECT_EQ(slot_text(4), "100.0");
    final_problems::set_slot_digits_from(4, 99.4f, 100.0f, 3);
    EXPECT_EQ(slot_text(4), "99.4");
    final_problems::set_slot_digits_from(5, 9.96f, 10.0f, 2);
    EXPECT_EQ(slot_text(5), "10.0");
    EXPECT_EQ(final_problems::running_time_text(2000.0f), "33 min");
    EXPECT_EQ(final_problems::running_time_text(7200.0f), "2.0 h");
    EXPECT_EQ(final_problems::running_time_text(45.0f), "45 s");
    EXPECT_EQ(final_problems::diluted_volume(236.4f), 240.0f);
    EXPECT_EQ(final_problems::diluted_volume(95.31f), 95.31f);
    EXPECT_EQ(final_problems::radiocarbon_age(0.55f), 4900.0f);
    EXPECT_EQ(std::stof(std::string(carbon_14_half_life)), carbon_14_half_life_years);
}

// Answers once taken from a value drawn, or rounded, before the data shown.
TEST_F(FinalProblemBehaviour, AnswersAreThoseOfTheDataShown)
{
    constexpr testing_support::VersionAnswer cases[] = {
        {6, 5569293, "@iP@(COCl@d2@) = 1.2 atm; @iP@(CO) = @iP@(Cl@d2@) = 0.91 atm", "0.89 atm"},
        {18, 27, "0.025 M ", "0.0244 M"},
        {32, 17, "902 g", "905 g"},
        {21, 6, "4.1•10@u3@ anni", "4000 anni"},
        // Two digits, as the ratio has.
        {21, 1, "1.8•10@u3@ anni", "0.80 volte: 1800 anni"},
        // From the 25 °C data, not from those 'a t °C' of 298 K heat capacities.
        {22, 3916544, "0.51 atm", "0.7 atm"},
        // CuCl out of the draw: aqueous Cu+ disproportionates.
        {31, 45, "0.527 g", "Cu@u+@ and CuCl: 1.05 mg"},
        {29, 781683, "2.8 atm", "3 atm by the data moved one way; 2.63 atm before"},
        {35, 29, "@T1@@C1@7.•10@u1@ L/mol", "0.9 L/mol, drawn again"},
        {40, 288, "5.9•10@u-5@ M ", "5.99•10@u-5@ M"},
        // From the volumes and molarities shown, not from those after mixing rounded.
        {46, 16, "@T1@@C1@5.28", "5.29"},
    };
    expect_answers(cases);
}

// Answers with the digits their data leave, and true data.
TEST_F(FinalProblemBehaviour, AnswersClaimNoMoreThanTheirData)
{
    constexpr testing_support::VersionAnswer cases[] = {
        // Drawn again: 60 % of CO beside NO within its own uncertainty, and
        // an association constant the data leave unknown.
        {25, 135, "5.•10@u1@%", "6.•10@u1@%"},
        {35, 49, "@T1@@C1@2.•10@u2@ L/mol", "0.8 L/mol"},
        {42, 1, "HCl 0.013 M; HBr 0.067 M", "HCl 0.0133 M; HBr 0.0666 M"},
        {26, 1, "0.089 M", "0.0887 M"},
        {27, 1, "CaCl@d2@: 2.7 g", "CaCl@d2@: 2.68 g"},
        // The printed 1.855 kg•K/mol counts as a datum.
        {27, 7573450, "NaCl: 1.4 g", "NaCl: 1.44 g"},
        // Propene and propane: 30 +- 13 %.
        {5, 198131, "3.•10@u1@%", "30%"},
        // 77 +- 38 % of propane, the propene's share exceeded: drawn again.
        {5, 68, "6.•10@u1@%", "77%"},
        {31, 1, "0.57 mg", "0.568 mg"},
        {34, 31, "@C1@@T1@17.5 g", "17.53 g"},
        // Near equivalence: the data leave the pH between about 6.1 and 6.6.
        {46, 1439, "@T1@@C1@6", "6.24"},
        {48, 2, "0.05 M ", "0.054 M"},
        // NO + O3 at 430 K: 5.47e7 stated, JPL's 5.52e7 (8.92e7 before, and
        // 3.45e3 before that).
        {37, 187, "6.8•10@u7@ L/(mol•s)", "1.10•10@u8@ L/(mol•s)"},
        // Br + HBr's constants from 175 kJ/mol, not 170: 1.92e-16 at 350 K,
        // 1.07e-15 before.
        {37, 163, "4.•10@u-7@ L/(mol•s)", "1.1•10@u-6@ L/(mol•s)"},
        // From the two constants printed by the Arrhenius law, not the
        // collision theory's T^(1/2) that the statement never names.
        {37, 7, "8.6•10@u5@ L/(mol•s)", "8.5•10@u5@ L/(mol•s)"},
        {37, 22, "8.2•10@u9@ L/(mol•s)", "7.9•10@u9@ L/(mol•s)"},
        // Carbon-14's half-life of 5730 years, 5715 before.
        {45, 142, "1.3•10@u-8@", "1.2•10@u-8@"},
        // Gas entry 6 is ethane's dissociation, not 4NO2 = 2N2O + 3O2.
        {29, 1276536, "38 atm", "20 atm, NO2 80 % turned into N2O"},
        // Gas entry 4 is propane's dissociation, not 3NO = NO2 + N2O.
        {29, 66, "7.4 atm", "3.6 atm, NO 49.3 % turned into NO2 and N2O at 735 °C"},
        // Cadmium from its sulfate, not barium, which water never deposits.
        {32, 1, "134 g", "163 g of barium"},
    };
    expect_answers(cases);
}

TEST_F(FinalProblemBehaviour, OnlySubstancesThatExistAreMixed)
{
    // NO and O2 made NO2 at once (versions 25 and 100); hydrogencarbonates
    // of zinc, barium and magnesium exist only in solution (1 and 8).
    generate(25, 25);
    EXPECT_EQ(statement().find("ossigeno"), std::string::npos) << statement();
    generate(25, 100);
    EXPECT_EQ(statement().find("monossido di azoto e ossigeno"), std::string::npos) << statement();
    for (const std::int32_t version : {1, 8}) {
        generate(34, version);
        EXPECT_EQ(statement().find("bicarbonato di"), std::string::npos) << statement();
    }
}

// What each problem poses under "Versione Testo".
struct TextVersion {
    std::int32_t problem;
    const char* shown;
};
constexpr TextVersion text_versions[] = {
    {4, "Il disolfuro di carbonio (CS@d2@) bolle a 46.2@uo@C"},
    {5, "del metano (CH@d4@) e d"},
    {7, "M in CH@d3@COOH [@iK@@da@ = 1.75•10@u-5@]"},
    {8, "Cu@u2+@"},
    {14, "dello iodio è pari a"},
    {15, "g di Zn(OH)@d2@ [@iK@@dps@ = 3.2•10@u-17@]"},
    {17, "di una miscela di alluminio e "},
    {19, "La tensione di vapore del mercurio è pari a"},
    {20,
     "g di toluene (C@d6@H@d5@CH@d3@), sapendo che le entalpie standard di formazione a 25@uo@C del toluene liquido,"},
    {27, "miscela di cloruro di potassio e "},
    {29, "Un recipiente contenente NO@d2@ viene portato a "},
    {30, "g di KCN a "},
    {31, "senza iniziare la precipitazione di Cu(IO@d3@)@d2@"},
    {32, "Calcolare quanto sodio è stato depositato"},
    {34, "carbonato"},
    {37, "per la reazione bimolecolare Br + H@d2@ = HBr + H sono"},
    {39, "mL di Zn@u2+@ "},
    {40, "elettrodi a rame è pari a"},
    {45, "dovuti alla presenza di @u126@Sn (@it@@d1/2@ = 2.3•10@u5@ anni)"},
    {46, "mL di CH@d3@COOH "},
    {47, "Del K@d2@SO@d4@ solido"},
    {48, "reazione Zn@u2+@ + Cu = Zn + Cu@u2+@ (@bD@@iG@@u0@ = 212.6 kJ/mol)"},
};

TEST_F(FinalProblemBehaviour, TheTextVersionPosesTheTextbooksChoice)
{
    for (const TextVersion& row : text_versions) {
        generate(row.problem, text_version);
        EXPECT_NE(statement().find(row.shown), std::string::npos) << row.problem << ": " << statement();
    }
    // Problem 40 then asks for the anode's concentration.
    generate(40, text_version);
    EXPECT_NE(statement().find("all'anodo sapendo"), std::string::npos);
    // Problem 28 burns a compound of even carbon count.
    generate(28, text_version);
    EXPECT_NE(statement().find("combustione di C@d"), std::string::npos);
}

TEST_F(FinalProblemBehaviour, TheEquationOfTheHessProblemStandsCentredUnderItsText)
{
    generate(28, 31);
    const std::string equation = statement().substr(statement().rfind("reazione ") + 9);
    EXPECT_NE(equation.find(" = "), std::string::npos);
    const std::string centred = "text (" + std::to_string(centred_line_x(equation)) + ",";
    const std::vector<std::string> lines = backend.log_lines(centred);
    ASSERT_EQ(lines.size(), 1u) << backend.log_text();
    EXPECT_EQ(lines[0].substr(lines[0].find('"')), "\"" + equation.substr(0, equation.find('@')) + "\"");
    // At its row, or lower on a line of its own below the text's last line.
    const std::int32_t row = std::stoi(lines[0].substr(centred.size()));
    EXPECT_GE(row, 100);
    for (const std::string& line : backend.log_lines("text (160,"))
        EXPECT_LE(std::stoi(line.substr(10)) + 16, row) << line;
}

TEST_F(FinalProblemBehaviour, NoVersionNeverPosesTheSameTwiceInARow)
{
    std::string element;
    std::string ph;
    for (std::int32_t n = 1; n <= 60; ++n) {
        generate(3, no_version, 1000 + n);
        EXPECT_NE(answer_text(), element) << n;
        element = answer_text();
        generate(24, no_version, 1000 + n);
        if (!ph.empty()) {
            EXPECT_GE(std::fabs(std::stod(answer_text()) - std::stod(ph)), 0.5 - 1e-6) << n;
        }
        ph = answer_text();
    }
}

TEST_F(FinalProblemBehaviour, AVersionNumberPosesTheSameProblemEveryTime)
{
    // Problem 24 keeps its previous pH, which a version number must not heed.
    for (const std::int32_t version : {5, 5, 5}) {
        generate(24, version);
        const std::string first = statement();
        generate(24, version);
        EXPECT_EQ(statement(), first);
    }
    generate(3, 77);
    const std::string element = answer_text();
    generate(3, 77);
    EXPECT_EQ(answer_text(), element);
}

TEST_F(FinalProblemBehaviour, AnEmpiricalFormulaWithCountsOfOneKeepsItsEmptySubscripts)
{
    std::int32_t version = 1;
    for (; version < 5000; ++version) {
        generate(41, version);
        if (answer_text() == "C@d@H@d@") break;
    }
    ASSERT_EQ(answer_text(), "C@d@H@d@");
    answer();
    std::string drawn;
    for (const std::string& line : backend.log_lines("text")) drawn += line.substr(line.find('"')) + "\n";
    EXPECT_EQ(drawn, "\"R\"\n\": C\"\n\"H\"\n");
    EXPECT_EQ(convert_markup_to_rtf(answer_text()), "C\\sub \\nosupersub H\\sub \\nosupersub ");
}

}  // namespace
}  // namespace final_problems_test
