#include "chemistry/hydrogen_fluoride_vapour.h"

#include <algorithm>
#include <cmath>

#include "numbers/thermal_constants.h"

namespace {

// The constants in atm, for partial pressures p1 of the monomer, p6 of the
// ring and pn of the chain of n.
//
// The ring, 6HF = (HF)6: log10 (p1^6 / p6, mmHg^5) = 43.65 - 8910/T, the fit
// of Long, Hildebrand and Morrell (J. Am. Chem. Soc. 65, 182, 1943) to the
// vapour's densities; 41 kcal for six hydrogen bonds.
double ring_constant(double kelvin)
{
    return std::pow(10.0, 8910.0 / kelvin - 43.65) * std::pow(760.0, 5);
}

// The chains, each bond (HF)n-1 + HF = (HF)n with the one constant
// pn / (pn-1 p1) = exp(-ΔH/RT + ΔS/R), ΔH = -26 kJ/mol and ΔS = -96.7
// J/(mol K): no published pair is held here, so these are set to give the
// 3-4 % excess over the monomer that fits to the compressed gas put at
// 1 atm and 100-110 °C, where the ring is gone (3.9 % at 100 °C, 3.1 % at
// 110 °C); the dimer's measured bond, 1062 cm-1, gives a constant of the
// same order (0.02 against 0.035 per atm at 378 K).
double chain_constant(double kelvin)
{
    return std::exp((26000.0 / kelvin - 96.7) / gas_constant_joule);
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
