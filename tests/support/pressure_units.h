// Pressures as pages print them.
#pragma once

#include <string>

namespace testing_support {

// A pressure in atm from its value and the unit printed ("atm", "torr",
// "mmHg", "kPa", "Pa", "bar"); an unknown unit is a test failure.
double atmospheres(double value, const std::string& unit);

}  // namespace testing_support
