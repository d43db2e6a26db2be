#include "chemistry/equation_text.h"

#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"

namespace {

constexpr std::size_t prefix_length = 10;

// A species starting at 1-based position `start` of the body: its "$" field,
// if any, gives the coefficient and moves the formula three characters on.
bool read_species_start(std::string_view body, std::int32_t start, std::int32_t& coefficient, std::int32_t& first)
{
    coefficient = 1;
    first = start;
    if (record_columns(body, start, start) != "$") return true;
    const std::optional<std::int32_t> value = read_i(record_columns(body, start + 1, start + 2));
    if (!value) return false;
    coefficient = *value;
    first = start + 3;
    return true;
}

// The "&" separators of body between 1-based positions from..to, each
// closing one species and opening the next.
bool read_separated_species(std::string_view body, std::int32_t from, std::int32_t to, std::int32_t& j,
                            EquationTerms& terms)
{
    for (std::size_t p = body.find('&', static_cast<std::size_t>(from - 1));
         p != std::string_view::npos && static_cast<std::int32_t>(p) < to; p = body.find('&', p + 1)) {
        const std::int32_t at = static_cast<std::int32_t>(p) + 1;
        terms.last[j] = at - 2;
        if (++j > max_equation_species) return false;
        if (!read_species_start(body, at + 2, terms.coefficient[j], terms.first[j])) return false;
    }
    return true;
}

bool parse_into(std::string_view equation, EquationTerms& terms)
{
    const std::string_view body = equation.size() > prefix_length ? equation.substr(prefix_length) : std::string_view{};
    const std::size_t equals = body.find('=');
    if (equals == std::string_view::npos) return false;
    const std::int32_t q = static_cast<std::int32_t>(equals) + 1;
    const std::int32_t end = static_cast<std::int32_t>(strip_trailing_blanks(body).size());
    terms.equals_position = q;

    std::int32_t j = 1;
    if (!read_species_start(body, 1, terms.coefficient[1], terms.first[1])) return false;
    if (!read_separated_species(body, 1, q, j, terms)) return false;
    terms.last[j] = q - 2;
    terms.reactant_count = j;

    if (++j > max_equation_species) return false;
    if (!read_species_start(body, q + 2, terms.coefficient[j], terms.first[j])) return false;
    if (!read_separated_species(body, q + 1, end + 1, j, terms)) return false;
    terms.last[j] = end;
    terms.product_count = j - terms.reactant_count;

    for (std::int32_t s = 1; s <= j; ++s) {
        if (terms.last[s] < terms.first[s]) return false;  // an empty species
    }
    return true;
}

}  // namespace

std::string_view EquationTerms::species_text(std::string_view equation, std::int32_t j) const
{
    if (j < 1 || j > species_count()) return {};
    return record_columns(equation, first[j] + 10, last[j] + 10);
}

bool parse_equation_terms(std::string_view equation, EquationTerms& terms)
{
    terms = EquationTerms{};
    if (parse_into(equation, terms)) return true;
    terms = EquationTerms{};
    return false;
}

std::string format_equation_text(std::int32_t mode, std::string_view equation)
{
    std::string text;
    if (equation.size() > prefix_length) text = equation.substr(prefix_length);
    for (char& c : text) {
        if (c == '&') c = '+';
    }
    // A one-digit coefficient fills its two-column field with a blank,
    // which a reader would see as a double blank.
    for (std::size_t p = text.find('$'); p != std::string::npos; p = text.find('$', p)) {
        const bool padded = p + 1 < text.size() && text[p + 1] == ' ';
        text.erase(p, mode == 1 ? (padded ? 2 : 1) : 3);
    }
    return std::string(strip_blanks(text));
}

std::optional<std::string> add_state_subscripts(std::string_view equation, std::int32_t mode, std::int32_t water_state,
                                                std::int32_t direction)
{
    EquationTerms terms;
    if (!parse_equation_terms(equation, terms)) return std::nullopt;

    // The blank after the text lets the last species be found like the others.
    std::string text = format_equation_text(mode, equation) + " ";
    std::size_t cursor = 0;
    for (std::int32_t j = 1; j <= terms.species_count(); ++j) {
        const std::string_view key = terms.species_text(equation, j);
        const std::optional<std::int32_t> k = find_compound_by_formula(key);
        if (!k) return std::nullopt;
        const std::size_t at = text.find(std::string(key) + " ", cursor);
        if (at == std::string::npos) return std::nullopt;
        const std::size_t end = at + key.size();
        const std::string state = "@d(" + std::string(1, compound_record(*k)[158]) + ")@";
        text.insert(end, state);
        cursor = end + state.size();
    }

    if (water_state == water_as_vapour) {
        const std::size_t liquid = text.find("H@d2@O@d(l)@");
        if (liquid != std::string::npos) text[liquid + 9] = 'g';
    }
    text.resize(strip_trailing_blanks(text).size());

    if (direction == right_to_left) {
        const std::size_t equals = text.find('=');
        const std::string products = equals + 2 <= text.size() ? text.substr(equals + 2) : std::string{};
        const std::string reactants = equals >= 1 ? text.substr(0, equals - 1) : std::string{};
        text = std::string(strip_blanks(products)) + " = " + std::string(strip_blanks(reactants));
    }
    return text;
}
