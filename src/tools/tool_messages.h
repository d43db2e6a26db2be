// The texts with which the tools answer in their own dialogs.
#pragma once

#include <string_view>

inline constexpr std::string_view syntax_error_text = "Sintassi errata";
inline constexpr std::string_view cannot_balance_text = "Impossibile bilanciare";
inline constexpr std::string_view cannot_equilibrate_text = "Impossibile equilibrare";
