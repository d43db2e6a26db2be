#include "chemistry/hydrogen_fluoride_vapour.h"

#include <algorithm>
#include <cmath>

#include "numbers/pressure_units.h"
#include "numbers/thermal_constants.h"

constexpr HydrogenFluorideFit hydrogen_fluoride_fit{43.65, 8910.0, -26000.0, -96.7};

namespace {

// The constants in atm, for partial pressures p1 of the monomer, p6 of the
// ring and pn of the chain of n.
double ring_constant(double kelvin)
{
    const HydrogenFluorideFit& f = hydrogen_fluoride_fit;
    return std::pow(10.0, f.ring_slope / kelvin - f.ring_intercept) * std::pow(torr_per_atmosphere, 5);
}

// Each bond (HF)n-1 + HF = (HF)n with the one constant
// pn / (pn-1 p1) = exp(-ΔH/RT + ΔS/R).
double chain_constant(double kelvin)
{
    const HydrogenFluorideFit& f = hydrogen_fluoride_fit;
    return std::exp((-f.chain_enthalpy / kelvin + f.chain_entropy) / gas_constant_joule);
}

}  // namespace

double hydrogen_fluoride_association(double kelvin, double atm)
{
    const double k = chain_constant(kelvin);
    const double k6 = ring_constant(kelvin);
    // The chains of every length together hold p1 / (1 - k p1) of the
    // pressure and p1 / (1 - k p1)^2 of the monomer units; the total rises
    // with p1, which is bracketed below the pressure and below 1/k.
    const auto molecules = [&](double p1) { return p1 / (1.0 - k * p1) + k6 * std::pow(p1, 6); };
    double low = 0.0;
    double high = std::min(atm, 1.0 / k);
    for (int step = 0; step < 100; ++step) {
        const double middle = 0.5 * (low + high);
        (molecules(middle) < atm ? low : high) = middle;
    }
    const double free = 1.0 - k * low;
    return (low / (free * free) + 6.0 * k6 * std::pow(low, 6)) / molecules(low);
}
