// Reaction equations in the program's notation (EquationText):
// characters 1-10 are a prefix that these routines skip (kind and potential
// in the reaction table); from character 11 species are separated by " & ",
// the sides by " = ", and a coefficient other than 1 is written "$" plus two
// right-aligned characters before its species ("$ 2H@d2@", "$10C").
// Formulas are markup; "e" is the electron. Example:
//   "s         $ 2H@d2@ & O@d2@ = $ 2H@d2@O"
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::int32_t max_equation_species = 9;

// Positions count from 1 at character 11 of the EquationText, so species j
// stands in characters first[j] + 10 .. last[j] + 10 of the full text.
// Species are numbered 1..9, reactants first; index 0 and unused entries
// are 0.
struct EquationTerms {
    std::array<std::int32_t, max_equation_species + 1> coefficient{};
    std::array<std::int32_t, max_equation_species + 1> first{};
    std::array<std::int32_t, max_equation_species + 1> last{};
    std::int32_t equals_position = 0;
    std::int32_t reactant_count = 0;
    std::int32_t product_count = 0;

    std::int32_t species_count() const { return reactant_count + product_count; }
    // Characters of species j (1-based) in the full equation text.
    std::string_view species_text(std::string_view equation, std::int32_t j) const;
};

// Fills terms from the equation. Returns false, with terms all zero, for a
// text without "=" or with more than 9 species.
bool parse_equation_terms(std::string_view equation, EquationTerms& terms);

// Display markup: the text from character 11, every "&" as "+"; mode 1
// keeps the coefficients (dropping "$" and a one-digit coefficient's pad),
// any other mode drops the whole coefficient field. Blanks at either end
// are removed.
//   mode 0: "H@d2@ + O@d2@ = H@d2@O"
//   mode 1: "2H@d2@ + O@d2@ = 2H@d2@O"
std::string format_equation_text(std::int32_t mode, std::string_view equation);

inline constexpr std::int32_t water_as_vapour = 2;
inline constexpr std::int32_t right_to_left = 2;

// format_equation_text with "@d(" + state + ")@" after each species, the
// state taken from the species' compound record (column 159). water_state 2
// shows the first liquid water as "H@d2@O@d(g)@"; direction 2 writes the
// products, " = ", then the reactants. Empty when the equation does not
// parse or a species is not a formula of the compound table.
std::optional<std::string> add_state_subscripts(std::string_view equation, std::int32_t mode, std::int32_t water_state,
                                                std::int32_t direction);
