// The catalogue of "Fatti della Chimica": short chemistry facts that the
// problem page shows, one at random, in a titled box.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Facts are numbered 1 to 95, by tens per subject; numbers in between carry
// none. The text is markup without trailing blanks.
inline constexpr std::int32_t chemistry_fact_numbers = 95;
std::optional<std::string_view> chemistry_fact(std::int32_t number);
