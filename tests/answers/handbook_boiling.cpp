#include "handbook_boiling.h"

#include <cstddef>
#include <string>

#include "chapters/final_problems/solvents.h"

namespace table_checks {

// Normal boiling points, °C: CRC Handbook, "Physical constants of organic
// compounds", with the NIST Chemistry WebBook's (carbon disulfide 319.4 K).
// Within 0.1 °C besides, the spread between handbooks.
Column solvent_boiling_column()
{
    return {"solvents",
            "normal boiling point",
            0.1,
            Spread::absolute,
            {
                {"CS@d2@", 46.2, 46.25},
                {"C@d6@H@d6@", 80.08},
                {"C@d7@H@d8@", 110.63},
                {"C@d6@H@d12@", 80.73},
                {"CHCl@d3@", 61.17},
                {"C@d3@H@d6@O", 56.05},
                {"C@d6@H@d7@N", 184.17},
                {"C@d2@H@d6@O", 78.29},
            }};
}

Rows solvent_boiling_rows()
{
    Rows rows;
    // Keyed by the formula the name prints in parentheses.
    for (const final_problems::Solvent& s : final_problems::solvents) {
        const std::size_t open = s.name.find('(') + 1;
        rows.emplace_back(std::string(s.name.substr(open, s.name.find(')') - open)), std::string(s.boiling_point));
    }
    return rows;
}

}  // namespace table_checks
