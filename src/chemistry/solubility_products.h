// Solubility products at 25 °C of the sparingly soluble salts, one value a salt.
#pragma once

#include <string_view>

// The product of the salt with that formula as written (its digits are the
// digits shown); empty for a salt not in the table.
std::string_view solubility_product(std::string_view formula);
