#include "stoichiometry_fixture.h"

#include "chapters/stoichiometry/stoichiometry_chapter.h"
#include "numbers/fixed_width.h"

namespace stoichiometry_test {

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

ChapterThree::ChapterThree() : ChapterTest({.chapter = 3, .run_chapter = run_stoichiometry_chapter}) {}

}  // namespace stoichiometry_test
