// Salts whose solubility in water the problems take, one set of data a salt.
#pragma once

#include <cstdint>
#include <string_view>

// Grams per 100 mL at 25 and 100 °C as written (their digits are the digits
// shown), the ions per formula unit and, for the sparingly soluble salts,
// the dissolution into ions. Those of PbI2, HgBr2 and AgCl are what the
// salt gives dissolving wholly into ions with its solubility product at
// 25 °C (9.8e-9, 6.2e-20, 1.77e-10) and its standard enthalpy of
// dissolution (63.4, 98.7, 65.5 kJ/mol), so that a salt has one constant:
// saturated PbI2 holds PbI+ pairs as well, and HgBr2 dissolves mostly as
// molecules.
struct SaltSolubility {
    std::int32_t compound;
    std::string_view at_25, at_100;
    std::string_view dissolution;
    std::int32_t cations, anions;
};

// The salt of that compound record; the first salt for a compound not in
// the table.
const SaltSolubility& salt_solubility(std::int32_t compound);
