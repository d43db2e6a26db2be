#include "chemistry/salt_solubilities.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<SaltSolubility, 11> salts{{
    {101, "36.7", "39.1", "36.7", "39.1", "", 1, 1},
    {110, "1.09", "3.34", "1.09", "3.34", "PbCl@d2(s)@ = Pb@u2+@@d(aq)@ + 2Cl@u-@@d(aq)@", 1, 2},
    {277, ".088", "0.41", "0.0621", "0.345", "PbI@d2(s)@ = Pb@u2+@@d(aq)@ + 2I@u-@@d(aq)@", 1, 2},
    {278, "0.61", "4.00", "8.99e-6", "1.29e-4", "HgBr@d2(s)@ = Hg@u2+@@d(aq)@ + 2Br@u-@@d(aq)@", 1, 2},
    {112, "8.00", "48.0", "8.00", "48.0", "", 1, 2},
    {287, "12.7", "102.", "12.7", "102.", "", 2, 1},
    {284, "8.60", "32.3", "8.60", "32.3", "", 1, 1},
    {184, "0.76", "1.41", "0.76", "1.41", "Ag@d2@SO@d4(s)@ = 2Ag@u+@@d(aq)@ + SO@d4@@u2-@@d(aq)@", 2, 1},
    {286, "3.86", "6.33", "3.86", "6.33", "", 2, 1},
    {279, "1.09", "4.03", "1.09", "4.03", "SnI@d2(s)@ = Sn@u2+@@d(aq)@ + 2I@u-@@d(aq)@", 1, 2},
    {111, "1.91e-4", "2.71e-3", "1.91e-4", "2.71e-3", "AgCl@d(s)@ = Ag@u+@@d(aq)@ + Cl@u-@@d(aq)@", 1, 1},
}};

}  // namespace

const SaltSolubility& salt_solubility(std::int32_t compound)
{
    const auto salt = std::find_if(salts.begin(), salts.end(),
                                   [compound](const SaltSolubility& s) { return s.compound == compound; });
    return salt == salts.end() ? salts.front() : *salt;
}
