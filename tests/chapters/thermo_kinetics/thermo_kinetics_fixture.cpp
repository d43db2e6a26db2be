#include "thermo_kinetics_fixture.h"

#include <string>

#include "chapters/thermo_kinetics/thermo_kinetics_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace thermo_kinetics_test {

double compound_number(std::int32_t k, int first, int last)
{
    const std::string field(strip_blanks(record_columns(compound_record(k), first, last)));
    return field.empty() ? 0.0 : std::stod(field);
}

double molar_mass(std::int32_t k)
{
    const double mass = testing_support::composition_mass(composition_of(k));
    EXPECT_GT(mass, 0.0) << "compound " << k;
    return mass;
}

std::vector<Term> equation_terms(std::string_view equation)
{
    std::vector<Term> terms;
    const std::size_t equals = equation.find(" = ");
    std::size_t at = 0;
    while (at < equation.size()) {
        std::size_t end = equation.find(" + ", at);
        const bool left = at < equals;
        if (left && (end == std::string_view::npos || end > equals)) end = equals;
        if (end == std::string_view::npos) end = equation.size();
        std::string_view piece = strip_blanks(equation.substr(at, end - at));
        Term t;
        t.reactant = left;
        std::size_t digits = 0;
        while (digits < piece.size() && piece[digits] >= '0' && piece[digits] <= '9') ++digits;
        if (digits > 0) t.coefficient = std::stoi(std::string(piece.substr(0, digits)));
        piece.remove_prefix(digits);
        const std::size_t state = piece.rfind("@d(");
        if (state != std::string_view::npos && piece.ends_with(")@")) {
            t.state = std::string(piece.substr(state + 3, piece.size() - state - 5));
            piece = piece.substr(0, state);
        }
        t.formula = std::string(piece);
        terms.push_back(t);
        at = end + 3;
    }
    return terms;
}

std::vector<std::string> listed(const std::string& list)
{
    std::vector<std::string> items;
    std::size_t at = 0;
    for (;;) {
        const std::size_t comma = list.find(", ", at), and_ = list.find(" e ", at);
        const std::size_t end = std::min(comma, and_);
        items.push_back(list.substr(at, end == std::string::npos ? std::string::npos : end - at));
        if (end == std::string::npos) return items;
        at = end + (end == comma ? 2 : 3);
    }
}

std::map<std::string, std::int32_t> atom_imbalance(const std::vector<Term>& terms)
{
    std::map<std::string, std::int32_t> balance;
    for (const Term& t : terms)
        for (const auto& [symbol, count] : read_formula(t.formula).atoms)
            balance[symbol] += (t.reactant ? 1 : -1) * t.coefficient * count;
    std::erase_if(balance, [](const auto& entry) { return entry.second == 0; });
    return balance;
}

// A formation value listed for formula@d(state)@, checked against the table
// (water vapour -241.8 kJ/mol); 0 for a species not listed, an element.
namespace {

double formation_value(const Term& t, const std::vector<std::string>& species, const std::vector<std::string>& values,
                       int first, int last, double vapour)
{
    const std::string key = t.formula + "@d(" + t.state + ")@";
    for (std::size_t i = 0; i < species.size(); ++i) {
        if (species[i] != key) continue;
        const double value = std::stod(values[i]);
        const bool as_vapour = t.formula == "H@d2@O" && t.state == "g";
        EXPECT_EQ(value, as_vapour ? vapour : compound_number(compound_with_formula(t.formula), first, last)) << key;
        return value;
    }
    EXPECT_EQ(compound_number(compound_with_formula(t.formula), first, last), 0.0) << key;
    return 0.0;
}

}  // namespace

// Sum over the products less the reactants of the values a statement lists.
double formation_sum(const std::string& species, const std::string& values, const std::string& equation, int first,
                     int last, double vapour)
{
    const std::vector<std::string> named = listed(species), shown_values = listed(values);
    EXPECT_EQ(named.size(), shown_values.size());
    double sum = 0.0;
    for (const Term& t : equation_terms(equation))
        sum += (t.reactant ? -1 : 1) * t.coefficient * formation_value(t, named, shown_values, first, last, vapour);
    return sum;
}

ChapterSix::ChapterSix() : ChapterTest({.chapter = 6, .run_chapter = run_thermo_kinetics_chapter}) {}

}  // namespace thermo_kinetics_test
