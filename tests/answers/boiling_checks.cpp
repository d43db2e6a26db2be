// Problem 9.4's solvents against their handbook column, row by row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "handbook_boiling.h"

namespace table_checks {
namespace {

TEST(BoilingChecks, SolventsBoilWhereTheHandbookSays)
{
    EXPECT_FALSE(solvent_boiling_rows().empty());
    EXPECT_EQ(row_faults(solvent_boiling_column(), solvent_boiling_rows()), std::vector<std::string>{});
    EXPECT_EQ(fault_of(solvent_boiling_column(), "CS@d2@", "46.0"),
              "solvents normal boiling point CS@d2@: 46.0, handbook 46.2 to 46.25");
}

}  // namespace
}  // namespace table_checks
