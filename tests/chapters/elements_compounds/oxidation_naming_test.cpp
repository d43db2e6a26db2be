// Problems 29 to 40: oxidation numbers worked out from the formula shown,
// and names and formulas that answer each other through the compound table.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "chemistry/data_tables.h"
#include "elements_compounds_fixture.h"
#include "formula_reading.h"
#include "numbers/fixed_width.h"

namespace elements_compounds_test {
namespace {

std::string compound_field(std::int32_t k, int first, int last)
{
    return std::string(strip_trailing_blanks(record_columns(compound_record(k), first, last)));
}

// The compound of records first to last whose name or alternative name
// this is, 0 if none.
std::int32_t compound_named(const std::string& name, std::int32_t first, std::int32_t last)
{
    for (std::int32_t k = first; k <= last; ++k)
        if (compound_field(k, 1, 40) == name || (!name.empty() && compound_field(k, 101, 130) == name)) return k;
    return 0;
}

// The answers of problems 29 to 31 write the number as "+5", "-1", "0",
// "3", "-1 (perossido)" or "-1/2 (superossido)".
double answered_number(const std::string& answer)
{
    const std::string number = answer.substr(0, answer.find(' '));
    if (number == "-1/2") return -0.5;
    return std::stod(number);
}

TEST_F(ChapterTwo, OxidationNumbersFollowFromTheFormula)
{
    std::set<std::string> statements;
    for (std::int32_t k : {29, 30, 31}) {
        std::set<std::string> formulas;
        for_versions(k, 1500, [&](std::int32_t) {
            const auto asked = match(statement(), R"(ossidazione d(?:el |ell'|ello )(.+) in (.+?)\.?$)");
            formulas.insert(asked[1]);
            statements.insert(statement());
            const ReadFormula f = read_formula(asked[1]);
            ASSERT_TRUE(f.readable) << asked[1];
            const double expected = oxidation_number(f, symbol_named(asked[0]));
            EXPECT_DOUBLE_EQ(answered_number(answer_text()), expected);
            if (k == 30 && expected < -0.5) {
                EXPECT_EQ(answer_text(), "-1 (perossido)");
            }
            if (k == 30 && expected == -0.5) {
                EXPECT_EQ(answer_text(), "-1/2 (superossido)");
            }
            // A positive number carries its sign: 30 once wrote "1" for Cu@d2@O
            // (version 1), where 31 writes "+5".
            if (expected > 0.0) {
                EXPECT_EQ(answer_text().front(), '+') << statement();
            }
        });
        const std::size_t forms[] = {6 * 10 + 9 + 8, 60, 27 * 3 + 27};
        EXPECT_EQ(formulas.size(), forms[k - 29]) << "problem " << k;
    }
    // The formulas as written, with and without subscripts and charges.
    for (const char* s : {"@T1@@C1@Valutare il numero di ossidazione dello zolfo in H@d2@S",
                          "@T1@@C1@Valutare il numero di ossidazione del cloro in CaCl@d2@",
                          "@T1@@C1@Valutare il numero di ossidazione dell'ossigeno in MgO",
                          "@T1@@C1@Valutare il numero di ossidazione dell'idrogeno in BaH@d2@",
                          "@T1@@C1@Valutare il numero di ossidazione del fosforo in P@d4@",
                          "Valutare il numero di ossidazione dell'ossigeno in H@d2@O@d2@",
                          "Valutare il numero di ossidazione del cloro in KClO.",
                          "Valutare il numero di ossidazione del cloro in ClO@u-@.",
                          "Valutare il numero di ossidazione del cromo in Cr@d2@O@d7@@u2-@."})
        EXPECT_EQ(statements.count(s), 1u) << s;
    constexpr testing_support::VersionAnswer cases[] = {{30, 1, "+1", "1"}, {30, 2, "+4", "4"}};
    expect_answers(cases);
}

// Problems 32 and 35 to 38: the first compound named from its formula,
// the second written from its name.
TEST_F(ChapterTwo, NamesAndFormulasOfTwoCompoundsOfAClass)
{
    struct Case {
        std::int32_t problem, first, last, never;
    };
    for (const Case c : {Case{32, 91, 140, 101}, Case{35, 21, 50, 0}, Case{36, 51, 70, 53}, Case{37, 73, 90, 0},
                         Case{38, 151, 250, 0}}) {
        std::set<std::int32_t> named;
        for_versions(c.problem, 500, [&](std::int32_t) {
            const auto asked =
                match(statement(),
                      R"(^Qual è il nome del composto (.+)\? Qual è la formula d(?:el |ell'|ello |ella )(.+)\?$)");
            const auto given = match(answer_text(), R"(^(.+); (.+)$)");
            std::int32_t a = 0;
            for (std::int32_t k = c.first; k <= c.last && a == 0; ++k)
                if (compound_field(k, 41, 70) == asked[0]) a = k;
            const std::int32_t b = compound_named(asked[1], c.first, c.last);
            ASSERT_GT(b, 0) << asked[1];
            ASSERT_GT(a, 0) << asked[0];
            EXPECT_GE(b, c.first);
            EXPECT_LE(b, c.last);
            EXPECT_NE(a, c.never);
            EXPECT_NE(b, c.never);
            EXPECT_NE(a, b);
            EXPECT_EQ(given[1], compound_field(b, 41, 70));
            const std::string alternative = compound_field(a, 101, 130);
            if (alternative.empty())
                EXPECT_EQ(given[0], compound_field(a, 1, 40));
            else if (c.problem == 32)
                EXPECT_EQ(given[0], alternative);
            else
                EXPECT_EQ(given[0], compound_field(a, 1, 40) + " (" + alternative + ")");
            // Chromium, like iron, is named with its oxidation state.
            for (const std::string& name : {given[0], asked[1]}) {
                if (name.find("cromo") != std::string::npos) {
                    EXPECT_NE(name.find("cromo(III)"), std::string::npos) << name;
                }
            }
            named.insert(a);
        });
        EXPECT_GT(named.size(), 10u) << "problem " << c.problem;
    }
    constexpr testing_support::VersionAnswer renamed[] = {
        {37, 27, "acido selenioso; H@d3@PO@d3@", "acido selenoso; H@d3@PO@d3@"},
        {35, 94, "biossido di selenio (anidride seleniosa); P@d4@O@d10@",
         "biossido di selenio (anidride selenosa); P@d4@O@d10@"}};
    expect_answers(renamed);
}

TEST_F(ChapterTwo, TheNamingExamples)
{
    std::set<std::string> texts;
    for (std::int32_t k : {32, 35})
        for_versions(k, 800, [&](std::int32_t) { texts.insert(statement() + " => " + answer_text()); });
    const auto seen = [&texts](const std::string& piece) {
        for (const std::string& text : texts)
            if (text.find(piece) != std::string::npos) return true;
        return false;
    };
    EXPECT_TRUE(seen("composto SnCl@d2@? Qual è"));
    EXPECT_TRUE(seen("=> dicloruro di stagno;"));
    EXPECT_TRUE(seen("formula del dicloruro di ferro?"));
    EXPECT_TRUE(seen("=> biossido di carbonio (anidride carbonica);"));
}

TEST_F(ChapterTwo, OsoAndIcoNamesOfTwoCompoundsOfAMetal)
{
    std::map<std::string, std::string> named;    // problem 33: formulas => names
    std::map<std::string, std::string> written;  // problem 34: names and numbers => formulas
    for_versions(33, 400, [&](std::int32_t) {
        named[match(statement(), R"(di formula (.+ e .+)\. Quali)")[0]] = answer_text();
    });
    for_versions(34, 400, [&](std::int32_t) {
        const auto asked =
            match(statement(), R"(binari, il (.+) e il (.+), in cui .* rispettivamente \+(\d) e \+(\d)\. Quali)");
        written[asked[0] + " +" + asked[2] + ", " + asked[1] + " +" + asked[3]] = answer_text();
    });
    EXPECT_EQ(named.size(), 22u);
    EXPECT_EQ(written.size(), 22u);
    EXPECT_EQ(named["As@d2@S@d3@ e As@d2@S@d5@"], "solfuro arsenioso e solfuro arsenico");
    EXPECT_EQ(named["CuCl@d2@ e CuCl"], "cloruro rameico e cloruro rameoso");
    EXPECT_EQ(named["Hg@d2@Cl@d2@ e HgCl@d2@"], "cloruro mercuroso e cloruro mercurico");
    EXPECT_EQ(written["cloruro arsenioso +3, cloruro arsenico +5"], "AsCl@d3@ e AsCl@d5@");
    EXPECT_EQ(written["solfuro ferrico +3, solfuro ferroso +2"], "Fe@d2@S@d3@ e FeS");
    // v23 of 34 named "solfuro mercuroso" Hg2S, which does not exist (it gives HgS and Hg).
    EXPECT_EQ(written["bromuro mercuroso +1, bromuro mercurico +2"], "Hg@d2@Br@d2@ e HgBr@d2@");
    EXPECT_EQ(named.count("Hg@d2@S e HgS"), 0u);
    // Every pair is named both ways round, each formula by its own name.
    for (const auto& [formulas, names] : named) {
        const auto f = match(formulas, "^(.+) e (.+)$");
        const auto n = match(names, "^(.+) e (.+)$");
        EXPECT_EQ(named[f[1] + " e " + f[0]], n[1] + " e " + n[0]);
    }
}

TEST_F(ChapterTwo, SaltsOfTheOrthoPyroAndMetaAcids)
{
    std::set<std::string> pairs;
    for_versions(39, 300, [&](std::int32_t) { pairs.insert(statement() + " => " + answer_text()); });
    EXPECT_EQ(pairs, (std::set<std::string>{
                         "L'ortofosfato di calcio ha formula Ca@d3@(PO@d4@)@d2@; qual è la formula del pirofosfato di "
                         "sodio? => Na@d4@P@d2@O@d7@",
                         "L'ortofosfato di calcio ha formula Ca@d3@(PO@d4@)@d2@; qual è la formula del metafosfato di "
                         "calcio? => Ca(PO@d3@)@d2@",
                         "L'ortosilicato di alluminio ha formula Al@d4@(SiO@d4@)@d3@; qual è la formula del "
                         "pirosilicato di potassio? => K@d6@Si@d2@O@d7@",
                         "L'ortosilicato di alluminio ha formula Al@d4@(SiO@d4@)@d3@; qual è la formula del "
                         "metasilicato di sodio? => Na@d2@SiO@d3@",
                         "L'ortoborato di potassio ha formula K@d3@BO@d3@; qual è la formula del metaborato di sodio? "
                         "=> NaBO@d2@"}));
    // Every salt is neutral with its anion's usual charge.
    for (const char* formula : {"Ca@d3@(PO@d4@)@d2@", "Na@d4@P@d2@O@d7@", "Ca(PO@d3@)@d2@", "Al@d4@(SiO@d4@)@d3@",
                                "K@d6@Si@d2@O@d7@", "Na@d2@SiO@d3@", "K@d3@BO@d3@", "NaBO@d2@"}) {
        const ReadFormula f = read_formula(formula);
        std::string centre = f.atoms.count("P") ? "P" : f.atoms.count("Si") ? "Si" : "B";
        const double expected = centre == "P" ? 5 : centre == "Si" ? 4 : 3;
        ReadFormula without_metal = f;
        if (f.atoms.count("Al")) {
            without_metal.charge = -3 * f.atoms.at("Al");
            without_metal.atoms.erase("Al");
        }
        EXPECT_DOUBLE_EQ(oxidation_number(without_metal, centre), expected) << formula;
    }
}

}  // namespace
}  // namespace elements_compounds_test
