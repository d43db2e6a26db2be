#include "stechiom_fixture.h"

#include "chapters/stechiom/stoichiometry_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace stechiom_test {

std::int32_t element_named(std::string_view name)
{
    for (std::int32_t z = 1; z <= element_count; ++z)
        if (strip_trailing_blanks(record_columns(element_record(z), 1, 15)) == name) return z;
    return 0;
}

std::string symbol_of(std::int32_t z)
{
    return std::string(strip_trailing_blanks(record_columns(element_record(z), 16, 17)));
}

std::int32_t element_with_symbol(std::string_view symbol)
{
    for (std::int32_t z = 1; z <= element_count; ++z)
        if (symbol_of(z) == symbol) return z;
    return 0;
}

double atomic_mass(std::int32_t z)
{
    return std::stod(std::string(record_columns(element_record(z), 21, 30)));
}

std::int32_t compound_with_formula(std::string_view formula)
{
    for (std::int32_t k = 1; k <= compound_slots; ++k)
        if (strip_trailing_blanks(record_columns(compound_record(k), 41, 70)) == formula) return k;
    return 0;
}

std::int32_t compound_named(std::string_view name)
{
    for (std::int32_t k = 1; k <= compound_slots; ++k)
        if (strip_trailing_blanks(record_columns(compound_record(k), 1, 40)) == name) return k;
    return 0;
}

std::string composition_of(std::int32_t k)
{
    return std::string(strip_trailing_blanks(record_columns(compound_record(k), 81, 100)));
}

std::map<std::string, std::int32_t> atoms_of(std::string_view composition)
{
    std::map<std::string, std::int32_t> atoms;
    const std::string_view text = strip_trailing_blanks(composition);
    for (std::size_t at = 0; at + 4 <= text.size(); at += 4)
        atoms[std::string(strip_trailing_blanks(text.substr(at, 2)))] += std::stoi(std::string(text.substr(at + 2, 2)));
    return atoms;
}

double composition_mass(std::string_view composition)
{
    double mass = 0.0;
    for (const auto& [symbol, count] : atoms_of(composition)) {
        const std::int32_t z = element_with_symbol(symbol);
        if (z == 0) return 0.0;
        mass += count * atomic_mass(z);
    }
    return mass;
}

double formula_mass(std::string_view formula)
{
    return composition_mass(composition_of(compound_with_formula(formula)));
}

double element_fraction(std::int32_t k, std::int32_t z)
{
    const std::string composition = composition_of(k);
    const auto atoms = atoms_of(composition);
    const auto found = atoms.find(symbol_of(z));
    return found == atoms.end() ? 0.0 : found->second * atomic_mass(z) / composition_mass(composition);
}

namespace {

std::vector<Term> read_side(std::string_view side)
{
    std::vector<Term> terms;
    std::size_t from = 0;
    while (from <= side.size()) {
        const std::size_t plus = side.find(" + ", from);
        const std::size_t length = plus == std::string_view::npos ? side.npos : plus - from;
        const std::string_view term = strip_blanks(side.substr(from, length));
        Term t;
        std::size_t digits = 0;
        while (digits < term.size() && term[digits] >= '0' && term[digits] <= '9') ++digits;
        if (digits > 0) t.coefficient = std::stoi(std::string(term.substr(0, digits)));
        t.formula = std::string(term.substr(digits));
        terms.push_back(t);
        if (plus == std::string_view::npos) break;
        from = plus + 3;
    }
    return terms;
}

}  // namespace

Equation read_equation(std::string_view text)
{
    const std::size_t equals = text.find(" = ");
    if (equals == std::string_view::npos) return {};
    return {read_side(text.substr(0, equals)), read_side(text.substr(equals + 3))};
}

ChapterThree::ChapterThree() : ChapterTest(3, run_stoichiometry_chapter) {}

void ChapterThree::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    backend.clear_log();
    request_problem(k, version, seed_for_no_version);
}

void ChapterThree::answer()
{
    backend.clear_log();
    request_answer();
}

}  // namespace stechiom_test
