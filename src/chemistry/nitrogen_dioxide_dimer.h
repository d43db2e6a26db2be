// Nitrogen dioxide as a page states it: part of it pairs as N2O4.
#pragma once

// 2NO2 = N2O4: the standard reaction enthalpy and entropy, from the
// formation data of the NBS tables (Wagman et al., J. Phys. Chem. Ref. Data
// 11, suppl. 2, 1982: NO2 33.18 kJ/mol and 240.06 J/(mol K), N2O4 9.16 and
// 304.29).
struct DimerisationData {
    double enthalpy;  // J/mol
    double entropy;   // J/(mol K)
};
extern const DimerisationData nitrogen_dioxide_dimerisation;

// The share of the nitrogen dioxide charged at `atm` (as if all NO2) that
// is N2O4 at `kelvin` (above 0), at equilibrium: x + 2Kx² = P.
double nitrogen_dioxide_dimer_share(double kelvin, double atm);
