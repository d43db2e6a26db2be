// Salts whose solubility in water the problems take, one row of data a salt.
#pragma once

#include <cstdint>
#include <string_view>

// Grams per 100 mL at 25 and 100 °C as written (their digits are the digits
// shown): what a saturated solution holds, and what the salt would give
// dissolving wholly into ions with its solubility product at 25 °C and its
// standard enthalpy of dissolution (PbI2 9.8e-9 and 63.4 kJ/mol, HgBr2
// 6.2e-20 and 98.7, AgCl 1.77e-10 and 65.5), which the problems on the
// dissolution into ions take. The two differ where the saturated solution
// holds more than free ions: PbI+ pairs for PbI2, molecules for HgBr2.
// Then the ions per formula unit and, for the sparingly soluble salts, the
// dissolution into ions.
struct SaltSolubility {
    std::int32_t compound;
    std::string_view at_25, at_100;
    std::string_view as_ions_25, as_ions_100;
    std::string_view dissolution;
    std::int32_t cations, anions;
};

// The salt of that compound record; the first salt for a compound not in
// the table.
const SaltSolubility& salt_solubility(std::int32_t compound);
