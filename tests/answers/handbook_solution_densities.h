// The densities of aqueous solutions that chapter 5's weight-percent pages
// print, as a handbook column, and the program's rows in the same keys.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "table_registry.h"

namespace table_checks {

// "HCl 10 %": a solute's formula as the program writes it and a percent by
// weight.
std::string solution_density_key(const std::string& formula, int percent);

// (d - 1)·10^4, d in g/mL at 20 °C, at 10, 20 and 30 % by weight.
const Column& solution_density_column();

// The program's density rows at 10, 20 and 30 %: key and excess as written.
std::vector<std::pair<std::string, std::string>> solution_density_rows();

// A row's fault against its own rise with concentration, "" where it
// holds.
std::string density_trend_fault(const std::string& formula, const std::array<std::int32_t, 3>& excess);
// The rows no handbook row holds, judged by their trend alone.
bool judged_by_trend_alone(const std::string& key);

Judgement solution_densities_judgement();
Judgement solution_density_trend_judgement();

}  // namespace table_checks
