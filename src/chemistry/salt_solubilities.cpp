#include "chemistry/salt_solubilities.h"

#include "chemistry/data_tables.h"

std::int32_t salt_compound(const SaltSolubility& salt)
{
    // Every salt of the table is a compound of the table, as a test checks.
    return find_compound_by_formula(salt.formula).value();
}
