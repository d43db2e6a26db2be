// Hydrogen fluoride's vapour as an ideal mixture of the monomer, open chains
// (HF)n and the ring hexamer (HF)6: how much denser it is than the monomer.
#pragma once

// The vapour's density at `kelvin` and `atm` (above 0) over the monomer's
// as an ideal gas there, which is its mean molar mass over HF's: 1 where
// the vapour is the monomer alone.
double hydrogen_fluoride_association(double kelvin, double atm);

// The ring, 6HF = (HF)6: log10 (p1^6 / p6, mmHg^5) = intercept - slope/T,
// the fit of Long, Hildebrand and Morrell (J. Am. Chem. Soc. 65, 182, 1943)
// to the vapour's densities; 41 kcal for six hydrogen bonds.
// The chains: one ΔH and ΔS for every bond. No published pair is held
// here, so these are set to give the 3-4 % excess over the monomer that
// fits to the compressed gas put at 1 atm and 100-110 °C, where the ring is
// gone (3.9 % at 100 °C, 3.1 % at 110 °C); the dimer's measured bond, 1062
// cm-1, gives a constant of the same order (0.02 against 0.035 per atm at
// 378 K).
struct HydrogenFluorideFit {
    double ring_intercept, ring_slope;     // K for the slope
    double chain_enthalpy, chain_entropy;  // J/mol, J/(mol K)
};
extern const HydrogenFluorideFit hydrogen_fluoride_fit;
