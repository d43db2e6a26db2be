// The one reader of chemistry typed by the user: the balancer's equations
// and half-equations, the molar-mass tool's formulas and the calculator's
// "mf[...]" groups.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr std::int32_t balance_mode = 0;
inline constexpr std::int32_t molar_mass_mode = 1;

// What a typed equation asks of the balancer.
struct FormulaRequest {
    bool ionic = false;      // a charge was typed, or a tag closes the text
    bool electrons = false;  // " e", " ae", " be": a half-equation
    bool basic = false;      // " b", " be": hydroxide in place of H+
};

// Mode 0 answers the balanced equation (or "Impossibile bilanciare"), mode 1
// the molar mass with the digits its uncertainty allows and " g" (written
// through value slot 16); a text that breaks the notation answers
// "Sintassi errata". text is what was typed, without trailing blanks.
std::string analyse_formula_text(std::int32_t mode, std::string_view text);
