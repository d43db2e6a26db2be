#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "chemistry/data_tables.h"
#include "chemistry/equation_text.h"
#include "chemistry/molar_mass.h"
#include "numbers/fixed_width.h"

namespace {

// An independent reading of a markup formula: element counts in the order
// the formula first names them, bracketed groups and hydrate water
// multiplied out.
std::string derive_composition(const std::string& formula)
{
    std::vector<std::string> order;
    std::map<std::string, int> counts;
    auto read_number = [&](std::size_t& i) {
        int n = 0;
        while (i < formula.size() && std::isdigit(static_cast<unsigned char>(formula[i])))
            n = n * 10 + (formula[i++] - '0');
        return n;
    };
    auto read_subscript = [&](std::size_t& i) {
        if (formula.compare(i, 2, "@d") != 0) return 1;
        i += 2;
        const int n = read_number(i);
        ++i;  // closing "@"
        return n;
    };
    std::size_t i = 0;
    int hydrate = 1;
    std::vector<std::vector<std::pair<std::string, int>>> groups(1);
    auto flush = [&] {
        for (const auto& [symbol, n] : groups[0]) {
            if (!counts.count(symbol)) order.push_back(symbol);
            counts[symbol] += n * hydrate;
        }
        groups[0].clear();
    };
    while (i < formula.size()) {
        const char c = formula[i];
        if (std::isupper(static_cast<unsigned char>(c))) {
            std::string symbol(1, c);
            ++i;
            if (i < formula.size() && std::islower(static_cast<unsigned char>(formula[i]))) symbol += formula[i++];
            groups.back().push_back({symbol, read_subscript(i)});
        } else if (c == '(') {
            groups.emplace_back();
            ++i;
        } else if (c == ')') {
            ++i;
            const int n = read_subscript(i);
            auto inner = groups.back();
            groups.pop_back();
            for (auto& [symbol, k] : inner) groups.back().push_back({symbol, k * n});
        } else if (c == '.') {
            flush();
            ++i;
            hydrate = std::max(1, read_number(i));
        } else {
            ADD_FAILURE() << "unexpected character in " << formula;
            return {};
        }
    }
    flush();
    std::string text;
    for (const std::string& symbol : order) {
        const int n = counts[symbol];
        text += (symbol + " ").substr(0, 2) + static_cast<char>('0' + n / 10) + static_cast<char>('0' + n % 10);
    }
    return text;
}

// Records whose composition lists the same atoms in another order.
const std::map<std::int32_t, std::string> reordered = {
    {161, "Na01C 01O 03H 01"}, {162, "K 01C 01O 03H 01"}, {163, "Mg01C 02O 06H 02"}, {164, "Ca01C 02O 06H 02"},
    {165, "Ba01C 02O 06H 02"}, {166, "Zn01C 02O 06H 02"}, {191, "Na01S 01O 04H 01"}, {192, "K 01S 01O 04H 01"},
    {285, "Na01C 02H 03O 02"}, {295, "Ca01Cl02O 02H 04"}, {321, "C 01H 02O 01"},     {331, "C 01H 02O 02"},
    {334, "C 02H 02O 04"},     {361, "C 03O 01H 06"},     {383, "C 01O 01H 04N 02"}, {401, "C 04O 01H 10"},
};

std::vector<std::string> groups_of(const std::string& composition)
{
    std::vector<std::string> groups;
    for (std::size_t i = 0; i + 4 <= composition.size(); i += 4) groups.push_back(composition.substr(i, 4));
    std::sort(groups.begin(), groups.end());
    return groups;
}

TEST(Composition, EveryRecordMatchesItsFormula)
{
    EXPECT_EQ(derive_composition("CuSO@d4@.5H@d2@O"), "Cu01S 01O 09H 10");
    EXPECT_EQ(derive_composition("Al@d2@(SO@d4@)@d3@"), "Al02S 03O 12");
    for (std::int32_t k = 1; k <= compound_slots; ++k) {
        const CompoundRecord& record = compound_record(k);
        const std::string formula(strip_trailing_blanks(record_columns(record, 41, 70)));
        if (formula.empty()) continue;
        const std::string stored(strip_trailing_blanks(record_columns(record, 81, 100)));
        const std::string derived = derive_composition(formula);
        const auto special = reordered.find(k);
        if (special == reordered.end()) {
            EXPECT_EQ(stored, derived) << k << " " << formula;
        } else {
            EXPECT_EQ(stored, special->second) << k;
            EXPECT_EQ(groups_of(stored), groups_of(derived)) << k;
        }
        float uncertainty = 0.0f;
        compute_molar_mass(stored, uncertainty);
        EXPECT_GT(uncertainty, 0.0f) << k;
    }
}

// Atoms and charge of one species of an equation: "e" is the electron, a
// final "@u2-@" the charge.
std::map<std::string, int> atoms_of(const std::string& species, int& charge)
{
    charge = 0;
    if (species == "e") {
        charge = -1;
        return {};
    }
    std::string formula = species;
    if (const std::size_t at = formula.find("@u"); at != std::string::npos) {
        const std::string sign = formula.substr(at + 2, formula.size() - at - 3);
        const int size = sign.size() > 1 ? std::stoi(sign.substr(0, sign.size() - 1)) : 1;
        charge = sign.back() == '+' ? size : -size;
        formula.erase(at);
    }
    std::map<std::string, int> atoms;
    const std::string composition = derive_composition(formula);
    for (std::size_t i = 0; i + 4 <= composition.size(); i += 4) {
        atoms[std::string(strip_trailing_blanks(composition.substr(i, 2)))] = std::stoi(composition.substr(i + 2, 2));
    }
    return atoms;
}

TEST(Composition, EveryTableReactionConservesAtomsAndCharge)
{
    int charge = 0;
    EXPECT_EQ(atoms_of("Cr@d2@O@d7@@u2-@", charge), (std::map<std::string, int>{{"Cr", 2}, {"O", 7}}));
    EXPECT_EQ(charge, -2);
    atoms_of("Fe@u3+@", charge);
    EXPECT_EQ(charge, 3);
    atoms_of("OH@u-@", charge);
    EXPECT_EQ(charge, -1);

    for (std::int32_t k = 1; k <= reaction_slots; ++k) {
        const std::string equation(strip_trailing_blanks(reaction_record(k)));
        EquationTerms terms;
        ASSERT_TRUE(parse_equation_terms(equation, terms)) << k;
        std::map<std::string, int> atom_balance;
        int charge_balance = 0;
        bool electrons_taken_up = false;
        for (std::int32_t j = 1; j <= terms.species_count(); ++j) {
            const std::string species(terms.species_text(equation, j));
            const int weight = (j <= terms.reactant_count ? -1 : 1) * terms.coefficient[j];
            for (const auto& [symbol, n] : atoms_of(species, charge)) atom_balance[symbol] += weight * n;
            charge_balance += weight * charge;
            electrons_taken_up = electrons_taken_up || (species == "e" && weight < 0);
        }
        for (const auto& [symbol, n] : atom_balance) EXPECT_EQ(n, 0) << "reaction " << k << " " << symbol;
        EXPECT_EQ(charge_balance, 0) << "reaction " << k;
        // Records 151 to 200 are reductions.
        EXPECT_EQ(electrons_taken_up, k > 150) << "reaction " << k;
    }
}

// The same sum done by hand from the atomic-mass texts, in double.
double hand_sum(const std::string& composition)
{
    double mass = 0.0;
    for (std::size_t i = 0; i + 4 <= composition.size(); i += 4) {
        const std::int32_t z = find_element_by_symbol(composition.substr(i, 2)).value();
        mass +=
            std::stoi(composition.substr(i + 2, 2)) * std::stod(std::string(record_columns(element_record(z), 21, 30)));
    }
    return mass;
}

TEST(MolarMass, WaterCarriesTheUncertaintyOfItsMassDigits)
{
    float uncertainty = 0.0f;
    EXPECT_NEAR(compute_molar_mass("H 02O 01", uncertainty), 18.01534, 2e-5);
    EXPECT_NEAR(uncertainty, 0.00036, 1e-7);
}

TEST(MolarMass, AgreesWithAHandSumOfTheTableMasses)
{
    for (const std::string composition :
         {"Fe02S 03O 12", "C 12H 22O 11", "Na02B 04O 17H 20", "Cu01S 01O 09H 10", "U 01", "Lr01", "H 99"}) {
        float uncertainty = 0.0f;
        const float mass = compute_molar_mass(composition, uncertainty);
        EXPECT_NEAR(mass, hand_sum(composition), hand_sum(composition) * 1e-6) << composition;
        EXPECT_GT(uncertainty, 0.0f);
    }
    float u = 0.0f;
    // Iron(III) sulfate: 2 x 0.003 + 3 x 0.003 + 12 x 0.0003.
    compute_molar_mass("Fe02S 03O 12", u);
    EXPECT_NEAR(u, 0.0186, 1e-6);
}

TEST(MolarMass, CountsReadAsTwoCharacterIntegers)
{
    float u1 = 0.0f, u2 = 0.0f;
    EXPECT_EQ(compute_molar_mass("H 02O 01", u1), compute_molar_mass("H  2O  1", u2));
    EXPECT_EQ(u1, u2);
    EXPECT_EQ(compute_molar_mass("H 00", u1), 0.0f);
    EXPECT_EQ(u1, 0.0f);
    // Each group counts, also when an element repeats.
    EXPECT_EQ(compute_molar_mass("H 01H 01O 01", u1), compute_molar_mass("H 02O 01", u2));
}

TEST(MolarMass, BlankAndShortTextsWeighNothing)
{
    for (const std::string text : {"", "   ", "H 0", "H 02O"}) {
        float uncertainty = 7.0f;
        const float mass = compute_molar_mass(text, uncertainty);
        if (text == "H 02O") {
            EXPECT_NEAR(mass, 2.01594f, 1e-5);  // the fragment after the last group is ignored
        } else {
            EXPECT_EQ(mass, 0.0f) << text;
            EXPECT_EQ(uncertainty, 0.0f) << text;
        }
    }
}

TEST(MolarMass, UnknownSymbolsFailWholly)
{
    for (const std::string text : {"Xx01", "H 02Xx01", "CA01", "ca01", " C01", "h 02", "H 0xO 01"}) {
        float uncertainty = 0.0f;
        EXPECT_EQ(compute_molar_mass(text, uncertainty), 0.0f) << text;
        EXPECT_EQ(uncertainty, unknown_element_uncertainty) << text;
    }
    float u = 0.0f;
    EXPECT_NE(compute_molar_mass("C 01", u), compute_molar_mass("Ca01", u));
}

}  // namespace
