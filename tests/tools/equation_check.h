#pragma once
// An independent reading of a balanced equation as the balancer writes it
// ("4OH[-]+Cl2=2ClO[-]+2H2O+2e"): true when every element and the charge
// (electrons included) balance with the written coefficients.

#include <string_view>

namespace tools_test {

bool equation_balances(std::string_view equation);

}  // namespace tools_test
