// The texts with which the tools answer in their own dialogs.
#pragma once

#include <string>
#include <string_view>

#include "tools/expression_engine.h"

inline constexpr std::string_view syntax_error_text = "Sintassi errata";
inline constexpr std::string_view cannot_balance_text = "Impossibile bilanciare";
inline constexpr std::string_view cannot_equilibrate_text = "Impossibile equilibrare";
inline constexpr std::string_view not_allowed_text = "Operazione non consentita";
inline constexpr std::string_view x_unreadable_text = "Valore di x non leggibile";
inline constexpr std::string_view no_solution_text = "Soluzione non trovata";
// A root search that evaluated every point and met values that still hold
// 0 at the highest precision it may use, and no root.
inline constexpr std::string_view uncertain_sign_text = "Zero entro la precisione di calcolo";
// A root search whose work ran out with signs still undecided.
inline constexpr std::string_view stopped_search_text = "Tempo esaurito: segno non deciso";
// A sign change the search could not tell root from pole.
inline constexpr std::string_view root_or_pole_text = "Cambio di segno: radice o polo";
// A root search without the ball library that certifies its signs.
inline constexpr std::string_view uncertified_text = "Calcolo certificato non disponibile";
inline constexpr std::string_view bad_range_text = "Intervallo errato";

// What the calculator and the plotter answer to an expression the engine
// cannot take: a well-formed text too long, or with a number beyond the
// doubles, is told apart from a broken one.
inline std::string refused_expression_text(Preparation why)
{
    switch (why) {
    case Preparation::too_long:
        return "Espressione oltre i " + std::to_string(max_expression_characters) + " caratteri";
    case Preparation::out_of_range: return std::string(not_allowed_text);
    case Preparation::syntax_error:
    case Preparation::ready: break;
    }
    return std::string(syntax_error_text);
}
