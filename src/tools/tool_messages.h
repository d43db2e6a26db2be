// The texts with which the tools answer in their own dialogs.
#pragma once

#include <string_view>

inline constexpr std::string_view syntax_error_text = "Sintassi errata";
inline constexpr std::string_view cannot_balance_text = "Impossibile bilanciare";
inline constexpr std::string_view cannot_equilibrate_text = "Impossibile equilibrare";
inline constexpr std::string_view not_allowed_text = "Operazione non consentita";
inline constexpr std::string_view x_unreadable_text = "Valore di x non leggibile";
inline constexpr std::string_view no_solution_text = "Soluzione non trovata";
inline constexpr std::string_view bad_range_text = "Intervallo errato";
