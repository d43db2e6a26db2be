// The kinetics problems' half-lives and activation energies against their
// handbook columns, row by row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "handbook_kinetics.h"

namespace table_checks {
namespace {

TEST(KineticsChecks, HalfLivesAndActivationEnergiesHoldTheirHandbook)
{
    EXPECT_FALSE(half_life_rows().empty());
    EXPECT_EQ(row_faults(half_life_column(), half_life_rows()), std::vector<std::string>{});
    EXPECT_FALSE(activation_energy_rows().empty());
    EXPECT_EQ(row_faults(activation_energy_column(), activation_energy_rows()), std::vector<std::string>{});
    // The figures the rows once held, and a slip of digits.
    EXPECT_EQ(fault_of(activation_energy_column(), "2N@d2@O = 2N@d2@ + O@d2@", "200"),
              "kinetics tables activation energy 2N@d2@O = 2N@d2@ + O@d2@: 200, handbook 245 to 250");
    EXPECT_EQ(fault_of(activation_energy_column(), "2HI = H@d2@ + I@d2@", "176"),
              "kinetics tables activation energy 2HI = H@d2@ + I@d2@: 176, handbook 185.7 to 184.1");
    EXPECT_EQ(fault_of(half_life_column(), "@u14@C", "5370"),
              "kinetics tables half-life @u14@C: 5370, handbook 5700 to 5730");
}

}  // namespace
}  // namespace table_checks
