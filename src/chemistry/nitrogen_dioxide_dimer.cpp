#include "chemistry/nitrogen_dioxide_dimer.h"

#include <cassert>
#include <cmath>

#include "numbers/pressure_units.h"
#include "numbers/thermal_constants.h"

const DimerisationData nitrogen_dioxide_dimerisation = {-57200.0, -175.83};

double nitrogen_dioxide_dimer_share(double kelvin, double atm)
{
    assert(kelvin > 0.0);
    if (!(atm > 0.0)) return 0.0;
    const DimerisationData& d = nitrogen_dioxide_dimerisation;
    // K per bar, the standard state's.
    const double k = std::exp(-(d.enthalpy - kelvin * d.entropy) / (gas_constant_joule * kelvin));
    const double bar = atm * pascals_per_atmosphere / 1e5;
    const double monomer = (std::sqrt(1.0 + 8.0 * k * bar) - 1.0) / (4.0 * k);
    return (bar - monomer) / bar;
}
