#include "support/pressure_units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace testing_support {

double atmospheres(double value, const std::string& unit)
{
    static const std::map<std::string, double> per_atm = {
        {"atm", 1.0}, {"torr", 760.0}, {"mmHg", 760.0}, {"kPa", 101.325}, {"Pa", 101325.0}, {"bar", 1.01325},
    };
    const auto found = per_atm.find(unit);
    if (found == per_atm.end()) {
        ADD_FAILURE() << "no pressure unit " << unit;
        return std::nan("");
    }
    return value / found->second;
}

}  // namespace testing_support
