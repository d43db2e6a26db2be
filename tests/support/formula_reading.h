// Chemical formulas in the program's markup read back as a student reads
// them: atoms per element (groups in parentheses and the water of a hydrate
// multiplied out), the charge written after them, and the molar mass from
// the element table.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace testing_support {

struct ReadFormula {
    std::map<std::string, std::int32_t> atoms;
    std::int32_t charge = 0;
    bool readable = true;  // false, and a test failure, when something is not a formula
};

// "Ca@d3@(PO@d4@)@d2@", "Cr@d2@O@d7@@u2-@", "NO@u+@", "CuSO@d4@•5H@d2@O".
ReadFormula read_formula(std::string_view markup);

// The molar mass of a formula, from the atomic masses the table writes.
double formula_mass(std::string_view markup);

// The oxidation number of `element` in the formula, from the usual numbers
// of the others: H +1, O -2, alkali metals +1, alkaline earths +2.
double oxidation_number(const ReadFormula& formula, const std::string& element);

}  // namespace testing_support
