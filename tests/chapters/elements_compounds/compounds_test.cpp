// Problems 17 to 28: ionic formulas balance the charges of their ions,
// molecular orbital answers count the species' electrons, and every entry
// of the molecule lists gives its own answer.
#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <set>
#include <string>

#include "chapters/elements_compounds/elements_compounds_problems.h"
#include "chemistry/data_tables.h"
#include "chemistry/lewis_structures.h"
#include "elements_compounds_fixture.h"
#include "formula_reading.h"
#include "support/text_patterns.h"

namespace elements_compounds_test {
namespace {

// Charges of the monatomic ions in their stable compounds.
const std::map<std::string, std::int32_t> ion_charge = {
    {"Li", 1}, {"Na", 1}, {"K", 1},  {"Rb", 1}, {"Cs", 1}, {"Mg", 2},  {"Ca", 2},  {"Sr", 2}, {"Ba", 2}, {"Al", 3},
    {"Sc", 3}, {"Cr", 3}, {"Mn", 2}, {"Fe", 3}, {"Ni", 2}, {"Zn", 2},  {"Ga", 3},  {"In", 3}, {"Tl", 1}, {"Sn", 2},
    {"Pb", 2}, {"Bi", 3}, {"O", -2}, {"F", -1}, {"S", -2}, {"Cl", -1}, {"Br", -1}, {"I", -1}};

TEST_F(ChapterTwo, IonicFormulasOfTwoElements)
{
    std::set<std::string> formulas;
    for_versions(17, 1500, [&](std::int32_t) {
        const auto names = match(statement(), R"(formato da (.+) e (.+)\?$)");
        const std::string cation = symbol_named(names[0]);
        const std::string anion = symbol_named(names[1]);
        const ReadFormula f = read_formula(answer_text());
        ASSERT_TRUE(f.readable) << answer_text();
        EXPECT_TRUE(answer_text().starts_with(cation));
        EXPECT_EQ(f.atoms.at(cation) * ion_charge.at(cation) + f.atoms.at(anion) * ion_charge.at(anion), 0);
        EXPECT_EQ(std::gcd(f.atoms.at(cation), f.atoms.at(anion)), 1);
        formulas.insert(answer_text());
    });
    EXPECT_EQ(formulas.size(), 60u);
    for (const char* formula : {"MgF@d2@", "Al@d2@O@d3@", "CaO", "KCl", "K@d2@S"})
        EXPECT_EQ(formulas.count(formula), 1u) << formula;
}

// Once with sigma(2p) below pi(2p) for N2, and chromium's hydroxide and
// sulfate named without their state, and PbO without its prefix.
TEST_F(ChapterTwo, NitrogenOrbitalsAndChromiumNames)
{
    constexpr testing_support::VersionAnswer cases[] = {
        {20, 101,
         "@bs@(2s)@u2@@bs@@x5@@u*@(2s)@u2@@bp@(2p@dy@)@u2@@bp@(2p@dz@)@u2@@bs@(2p@dx@)@u2@; ordine di legame: 3; "
         "nessun elettrone spaiato",
         "@bs@(2s)@u2@@bs@@x5@@u*@(2s)@u2@@bs@(2p@dx@)@u2@@bp@(2p@dy@)@u2@@bp@(2p@dz@)@u2@; ordine di legame: 3; "
         "nessun elettrone spaiato"},
        {36, 45, "idrossido di cromo(III); Ni(OH)@d2@", "idrossido di cromo; Ni(OH)@d2@"},
        // PbO by the rule of "monossido di carbonio" beside "biossido di piombo".
        {35, 4, "monossido di piombo; Fe@d2@O@d3@", "ossido di piombo; Fe@d2@O@d3@"},
    };
    expect_answers(cases);
}

TEST_F(ChapterTwo, OnlyTheUsualChargeMakesAStableCompound)
{
    std::set<std::string> answers;
    for_versions(18, 600, [&](std::int32_t) {
        const auto asked = match(statement(), R"(che (.+) e (.+) formino .* di formula (.+)\?$)");
        const std::string cation = symbol_named(asked[0]);
        const std::string anion = symbol_named(asked[1]);
        const ReadFormula f = read_formula(asked[2]);
        ASSERT_TRUE(f.readable) << asked[2];
        EXPECT_EQ(std::gcd(f.atoms.at(cation), f.atoms.at(anion)), 1);
        const std::int32_t charge = -f.atoms.at(anion) * ion_charge.at(anion) / f.atoms.at(cation);
        // Chromium(II) halides and sulfide are well known; its monoxide is no stable solid.
        const bool chromium_2 = cation == "Cr" && charge == 2 && anion != "O";
        EXPECT_EQ(answer_text(), charge == ion_charge.at(cation) || chromium_2 ? "Sì" : "No");
        answers.insert(answer_text());
    });
    EXPECT_EQ(answers.size(), 2u);
    // Once answered "No".
    constexpr testing_support::VersionAnswer chromium[] = {{18, 41, "Sì", "No"}, {18, 61, "Sì", "No"}};
    expect_answers(chromium);
}

TEST_F(ChapterTwo, SaltsOfPolyatomicAnions)
{
    // The anion's charge and the element that counts its units.
    const std::map<std::string, std::pair<std::int32_t, std::string>> anions = {{"idrossido", {1, "O"}},
                                                                                {"carbonato", {2, "C"}},
                                                                                {"nitrato", {1, "N"}},
                                                                                {"solfato", {2, "S"}},
                                                                                {"ortofosfato", {3, "P"}}};
    std::set<std::string> formulas;
    for_versions(19, 2000, [&](std::int32_t) {
        const auto asked = match(statement(), R"(da ioni (.+) e ioni (\w+)\?$)");
        const std::string cation = symbol_named(asked[0]);
        const auto& [charge, counted] = anions.at(asked[1]);
        const ReadFormula f = read_formula(answer_text());
        ASSERT_TRUE(f.readable) << answer_text();
        const std::int32_t units = f.atoms.at(counted);
        EXPECT_EQ(f.atoms.at(cation) * ion_charge.at(cation), units * charge);
        EXPECT_EQ(std::gcd(f.atoms.at(cation), units), 1);
        // Parentheses only around more than one polyatomic unit.
        EXPECT_EQ(answer_text().find('(') != std::string::npos, units > 1);
        formulas.insert(answer_text());
    });
    EXPECT_EQ(formulas.size(), 100u);
    for (const char* formula : {"Ca@d3@(PO@d4@)@d2@", "Ca(OH)@d2@", "NaOH", "MgSO@d4@", "AlPO@d4@"})
        EXPECT_EQ(formulas.count(formula), 1u) << formula;
}

// Bond order and unpaired electrons from the occupations in the answer,
// the electrons counted from the species' atoms and charge.
TEST_F(ChapterTwo, MolecularOrbitalsHoldTheValenceElectrons)
{
    std::set<std::string> species;
    for_versions(20, 600, [&](std::int32_t) {
        const std::string formula = match(statement(), R"(nella specie (.+)\? Quanti)")[0];
        species.insert(formula);
        const ReadFormula f = read_formula(formula);
        std::int32_t electrons = -f.charge;
        for (const auto& [symbol, count] : f.atoms) electrons += count * (*find_element_by_symbol(symbol) - 2);
        std::int32_t bonding = 0, antibonding = 0, unpaired = 0;
        for (const auto& orbital :
             testing_support::find_all(answer_text(), R"(@b[sp]@(@x5@@u\*@)?\(2[sp](?:@d[xyz]@)?\)@u(\d)@)")) {
            const std::int32_t n = std::stoi(orbital[2]);
            (orbital.matched(1) ? antibonding : bonding) += n;
            unpaired += n == 1 ? 1 : 0;
        }
        EXPECT_EQ(bonding + antibonding, electrons);
        const auto order = match(answer_text(), R"(; ordine di legame: ([0-9.]+); (\w+) elettron)");
        EXPECT_DOUBLE_EQ(std::stod(order[0]), (bonding - antibonding) / 2.0);
        const char* words[] = {"nessun", "un", "due"};
        EXPECT_EQ(order[1], words[unpaired]);
        // Up to N@d2@'s ten valence electrons, pi(2p) lies below sigma(2p).
        const auto pi = answer_text().find("@bp@(2p@dy@)");
        const auto sigma = answer_text().find("@bs@(2p@dx@)");
        EXPECT_EQ(pi < sigma, electrons <= 10) << formula;
    });
    EXPECT_EQ(species.size(), 12u);
    EXPECT_EQ(species.count("O@d2@@u+@"), 1u);
    EXPECT_EQ(species.count("O@d2@@u2-@"), 1u);
    EXPECT_EQ(species.count("CN@u-@"), 1u);
}

// A run of orbitals without a blank cannot wrap: once the antibonding
// orbitals follow the bonding ones it outgrew the box and the page.
TEST_F(ChapterTwo, MolecularOrbitalAnswersWrapInsideTheirBox)
{
    std::set<std::string> species;
    for (std::int32_t n = 1; n <= 200 && species.size() < 12; ++n) {
        generate(20, spread_version(n));
        if (!species.insert(statement()).second) continue;
        answer();
        SCOPED_TRACE(answer_text());
        // The yellow answer box, wherever the page had room for it.
        std::vector<std::string> boxes;
        for (const std::string& line : backend.log_lines("rect filled"))
            if (line.ends_with("0x00FAFA")) boxes.push_back(line);
        ASSERT_EQ(boxes.size(), 1u) << backend.log_text();
        const auto right = match(boxes[0], R"(\)-\((\d+),)");
        EXPECT_LE(std::stoi(right[0]), 555);
    }
    EXPECT_EQ(species.size(), 12u);
}

TEST_F(ChapterTwo, ValenceBondMoleculesThatExistAndThatDoNot)
{
    std::map<std::string, std::string> answers;
    for_versions(21, 1500, [&](std::int32_t) {
        const auto asked = match(statement(), R"(valenza, (.+) e (.+) possono .* di formula (.+)\?$)");
        const ReadFormula f = read_formula(asked[2]);
        EXPECT_EQ(f.atoms.size(), 2u);
        EXPECT_EQ(f.atoms.count(symbol_named(asked[0])), 1u);
        EXPECT_EQ(f.atoms.count(symbol_named(asked[1])), 1u);
        answers[asked[2]] = answer_text();
    });
    ASSERT_EQ(answers.size(), 32u);
    for (const char* stable : {"BF@d3@", "SF@d6@", "ClF", "ClF@d5@", "SiF@d4@", "PF@d5@"})
        EXPECT_EQ(answers[stable], "Sì");
    for (const char* unstable : {"BF@d2@", "SF", "SiF", "ClF@d2@", "CH@d5@", "PF@d6@"})
        EXPECT_EQ(answers[unstable], "No");
}

// Request 2 draws a structure for every formula these problems ask about.
TEST_F(ChapterTwo, LewisStructuresBelowTheAnswers)
{
    const std::map<std::int32_t, std::size_t> list_sizes = {{22, 22}, {23, 8}, {25, 14}, {27, 5}};
    for (const auto& [k, size] : list_sizes) {
        std::set<std::string> keys;
        for_versions(k, 600, [&](std::int32_t) {
            const std::string& key = elements_compounds_state.lewis_key;
            keys.insert(key);
            EXPECT_NE(statement().find(" " + key.substr(0, key.size() - 1)), std::string::npos) << key;
            ASSERT_NE(find_lewis_entry(key), nullptr) << key;
            EXPECT_TRUE(find_lewis_entry(key)->key == key) << key;
            answer();
            // The pen goes down before the answer's "." so the box makes room.
            EXPECT_TRUE(testing_support::contains_match(answer_text(), R"(@x-100+@@y\d+@\.$)"));
            EXPECT_GT(backend.log_lines("text").size(), 3u);
        });
        EXPECT_EQ(keys.size(), size) << "problem " << k;
    }
}

TEST_F(ChapterTwo, ShapesHybridsAndPolarityOfEveryListedSpecies)
{
    std::map<std::string, std::string> shapes;
    for_versions(24, 600, [&](std::int32_t) { shapes[match(statement(), R"(forma di (.+)\?$)")[0]] = answer_text(); });
    const std::map<std::string, std::string> expected_shapes = {{"CO@d2@", "lineare"},
                                                                {"CH@d4@", "tetraedrica"},
                                                                {"HCN", "lineare"},
                                                                {"SF@d6@", "ottaedrica"},
                                                                {"PF@d5@", "bipiramidale trigonale"},
                                                                {"BF@d3@", "triangolare equilatera"},
                                                                {"NH@d3@", "piramidale"},
                                                                {"H@d2@S", "angolata"},
                                                                {"OF@d2@", "angolata"},
                                                                {"NF@d3@", "piramidale"},
                                                                {"PH@d3@", "piramidale"},
                                                                {"SF@d4@", "a sella"},
                                                                {"XeF@d2@", "lineare"},
                                                                {"XeF@d4@", "planare quadrata"},
                                                                {"ClF@d3@", "a T"},
                                                                {"SO@d2@", "angolata"},
                                                                {"I@d3@@u+@", "angolata"},
                                                                {"ClO@d2@@u-@", "angolata"},
                                                                {"I@d3@@u-@", "lineare"},
                                                                {"ICl@d4@@u-@", "planare quadrata"}};
    EXPECT_EQ(shapes, expected_shapes);

    std::map<std::string, std::string> hybrids;
    for_versions(25, 600, [&](std::int32_t) {
        const auto asked = match(statement(), R"(utilizzati (dall'atomo centrale|dagli atomi centrali) in (.+)\?$)");
        // Two carbons share the work in ethyne and ethene, one carbon in methanal.
        EXPECT_EQ(asked[0] == "dagli atomi centrali", asked[1] == "C@d2@H@d2@" || asked[1] == "C@d2@H@d4@");
        hybrids[asked[1]] = answer_text().substr(0, answer_text().find("@x"));
    });
    const std::map<std::string, std::string> expected_hybrids = {
        {"CO@d2@", "sp"},           {"CH@d4@", "sp@u3@"},    {"HCN", "sp"},
        {"PH@d3@", "sp@u3@"},       {"SF@d2@", "sp@u3@"},    {"SF@d4@", "sp@u3@d"},
        {"SF@d6@", "sp@u3@d@u2@"},  {"PF@d5@", "sp@u3@d"},   {"XeF@d2@", "sp@u3@d"},
        {"XeF@d4@", "sp@u3@d@u2@"}, {"BF@d3@", "sp@u2@"},    {"C@d2@H@d2@", "sp"},
        {"CH@d2@O", "sp@u2@"},      {"C@d2@H@d4@", "sp@u2@"}};
    EXPECT_EQ(hybrids, expected_hybrids);

    std::map<std::string, std::string> polarity;
    for_versions(28, 600, [&](std::int32_t) {
        polarity[match(statement(), R"(molecola di (.+) sia polare\?$)")[0]] = answer_text();
    });
    EXPECT_EQ(polarity.size(), 11u);
    for (const char* polar : {"H@d2@O", "CO", "NH@d3@", "O@d3@", "SF@d4@", "CHCl@d3@"})
        EXPECT_EQ(polarity[polar], "Polare");
    for (const char* apolar : {"CCl@d4@", "CO@d2@", "BF@d3@", "SF@d6@", "PF@d5@"})
        EXPECT_EQ(polarity[apolar], "Apolare");
}

TEST_F(ChapterTwo, ResonanceShapesAndCharges)
{
    std::map<std::string, std::string> answers;
    for_versions(27, 300, [&](std::int32_t) {
        answers[match(statement(),
                      R"(stabili per (.+)\. Qual è la forma della molecola\? Qual è la carica sui vari atomi\?$)")[0]] =
            answer_text();
    });
    EXPECT_EQ(answers["NO@d2@@u-@"], "angolata; carica -1/2 su ogni ossigeno@x-1000@@y75@.");
    EXPECT_EQ(answers["CO@d3@@u2-@"], "triangolare equilatera; carica -2/3 su ogni ossigeno@x-1000@@y75@.");
    EXPECT_EQ(answers["NO@d3@@u-@"],
              "triangolare equilatera; carica -2/3 su ogni ossigeno e +1 sull'azoto@x-1000@@y75@.");
    EXPECT_EQ(answers["O@d3@"], "angolata; carica -1/2 su ciascun ossigeno laterale e +1 sul centrale@x-1000@@y75@.");
    EXPECT_EQ(answers["SO@d3@@u2-@"], "piramidale; carica -2/3 su ogni ossigeno@x-1000@@y75@.");
}

TEST_F(ChapterTwo, TrueOrFalseOnHybridsAndShapes)
{
    for (std::int32_t k : {26, 40}) {
        std::set<std::string> verdicts;
        for_versions(k, 100, [&](std::int32_t) {
            const auto quoted = match(statement(), R"(^Stabilire se l'affermazione @C3@''(.+)''@C1@ è vera o falsa$)");
            EXPECT_EQ(quoted[0].find("Stabilire"), std::string::npos);
            verdicts.insert(answer_text());
        });
        EXPECT_EQ(verdicts, (std::set<std::string>{"Falsa", "Vera"})) << "problem " << k;
    }
    // "Nessuna Versione" never repeats a variant: hybrids and shapes alternate.
    std::set<std::string> kinds;
    for (std::int32_t visit = 0; visit < 2; ++visit) {
        generate(26, 0, 99);
        kinds.insert(statement().find("ibrid") != std::string::npos ? "ibridi" : "forma");
    }
    EXPECT_EQ(kinds.size(), 2u);
}

}  // namespace
}  // namespace elements_compounds_test
