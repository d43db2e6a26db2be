// Problem 4.33's ionic crystals against their handbook columns, row by row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "handbook_crystals.h"

namespace table_checks {
namespace {

TEST(CrystalChecks, FormulaUnitsAndDensitiesHoldTheirHandbookAndCell)
{
    EXPECT_FALSE(crystal_density_rows().empty());
    EXPECT_EQ(row_faults(crystal_units_column(), crystal_units_rows()), std::vector<std::string>{});
    EXPECT_EQ(row_faults(crystal_density_column(), crystal_density_rows()), std::vector<std::string>{});
    // The densities the rows once held, and a cell miscounted.
    EXPECT_EQ(fault_of(crystal_density_column(), "CaS", "2.5"),
              "ionic crystals density CaS: 2.5, handbook 2.59 to 2.60256");
    EXPECT_EQ(fault_of(crystal_density_column(), "K@d2@O", "2.32"),
              "ionic crystals density K@d2@O: 2.32, handbook 2.35 to 2.34708");
    EXPECT_EQ(fault_of(crystal_density_column(), "NiO", "6.67"),
              "ionic crystals density NiO: 6.67, handbook 6.72 to 6.80863");
    EXPECT_EQ(fault_of(crystal_units_column(), "NaCl", "1"), "ionic crystals formula units NaCl: 1, handbook 4");
}

}  // namespace
}  // namespace table_checks
