#include "termod_fixture.h"

#include <cmath>
#include <string>

#include "chapters/termod/thermo_kinetics_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace termod_test {

namespace {

std::string_view compound_columns(std::int32_t k, int first, int last)
{
    return strip_blanks(record_columns(compound_record(k), first, last));
}

}  // namespace

double compound_number(std::int32_t k, int first, int last)
{
    const std::string field(compound_columns(k, first, last));
    return field.empty() ? 0.0 : std::stod(field);
}

std::int32_t compound_named(std::string_view name)
{
    for (std::int32_t k = 1; k <= compound_slots; ++k)
        if (compound_columns(k, 1, 40) == name) return k;
    return 0;
}

std::int32_t compound_of_formula(std::string_view formula)
{
    for (std::int32_t k = 1; k <= compound_slots; ++k)
        if (compound_columns(k, 41, 70) == formula) return k;
    return 0;
}

double molar_mass(std::int32_t k)
{
    const std::string_view composition = strip_trailing_blanks(record_columns(compound_record(k), 81, 100));
    double mass = 0.0;
    for (std::size_t g = 0; g + 4 <= composition.size(); g += 4) {
        const std::string_view symbol = strip_blanks(composition.substr(g, 2));
        const int count = std::stoi(std::string(composition.substr(g + 2, 2)));
        std::int32_t z = 1;
        while (z <= element_count && strip_blanks(record_columns(element_record(z), 16, 17)) != symbol) ++z;
        EXPECT_LE(z, element_count) << symbol;
        mass += count * std::stod(std::string(strip_blanks(record_columns(element_record(z), 21, 30))));
    }
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

std::map<std::string, std::int32_t> atom_counts(std::string_view formula)
{
    std::map<std::string, std::int32_t> atoms;
    std::size_t i = 0;
    while (i < formula.size()) {
        std::string symbol(1, formula[i++]);
        while (i < formula.size() && formula[i] >= 'a' && formula[i] <= 'z') symbol += formula[i++];
        std::int32_t count = 1;
        if (formula.substr(i, 2) == "@d") {
            const std::size_t close = formula.find('@', i + 2);
            count = std::stoi(std::string(formula.substr(i + 2, close - i - 2)));
            i = close + 1;
        }
        atoms[symbol] += count;
    }
    return atoms;
}

std::map<std::string, std::int32_t> atom_imbalance(const std::vector<Term>& terms)
{
    std::map<std::string, std::int32_t> balance;
    for (const Term& t : terms)
        for (const auto& [symbol, count] : atom_counts(t.formula))
            balance[symbol] += (t.reactant ? 1 : -1) * t.coefficient * count;
    std::erase_if(balance, [](const auto& entry) { return entry.second == 0; });
    return balance;
}

std::int32_t digits_for(double value, double uncertainty)
{
    const double gap = std::log10(std::abs(value)) , spread = std::log10(uncertainty);
    const auto near_whole = [](double x) { return std::abs(x - std::round(x)) < 1e-3; };
    if (near_whole(gap) || near_whole(spread)) return 0;
    return std::max(1, static_cast<std::int32_t>(std::floor(gap) - std::floor(spread)) + 1);
}

double datum_uncertainty(const Shown& s) { return 3.0 * std::pow(10.0, s.last_place); }

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
        EXPECT_EQ(value, as_vapour ? vapour : compound_number(compound_of_formula(t.formula), first, last)) << key;
        return value;
    }
    EXPECT_EQ(compound_number(compound_of_formula(t.formula), first, last), 0.0) << key;
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

ChapterSix::ChapterSix() : ChapterTest(6, run_thermo_kinetics_chapter) {}

void ChapterSix::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    backend.clear_log();
    request_problem(k, version, seed_for_no_version);
}

void ChapterSix::answer()
{
    backend.clear_log();
    request_answer();
}

}  // namespace termod_test
