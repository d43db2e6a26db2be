// Handbook data the conditions table judges pages by, kept apart from the
// program's own tables so that the check is independent: each entry names
// its source.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace conditions {

// A substance as pages name it, with its phase limits.
struct Substance {
    const char* formula;  // in the program's markup
    const char* names;    // its Italian names and other formulas, "|" between them
    double melting;       // K at 1 atm (0: none kept)
    double boiling;       // K at 1 atm, or the reference point's temperature
    double critical;      // K
    double critical_atm;
    // Antoine's fit log10(P/torr) = a - b/(c + t/°C) within [from, to] °C
    // and its accuracy, relative (0: no vapour pressure kept; water's is
    // its saturation line, with a = 0).
    double a = 0.0, b = 0.0, c = 0.0, from = 0.0, to = 0.0, accuracy = 0.0;
    double reference_atm = 1.0;  // the pressure at `boiling` (its triple point for CO2)
};

const Substance* substance(const std::string& formula_or_name);
// Every substance kept, a formula's first entry first.
const std::vector<Substance>& kept_substances();

// Saturation pressure in atm at T kelvin: water's IAPWS line, Antoine's fit
// within its range, a wide-range fit where one is kept, elsewhere the
// Clausius line through the reference and critical points (within about
// 10 %); infinite above the critical temperature.
double saturation_atm(const Substance& s, double kelvin);

// The vapour pressure in atm by the wide-range fit kept for the formula
// (DIPPR 801, from its melting to its critical point); NaN without one or
// outside it.
double wide_range_atm(const std::string& formula, double kelvin);

// The second virial coefficient in L/mol at T kelvin: Tsonopoulos's
// correlation (AIChE Journal 20, 263, 1974) from the critical point above,
// its acentric factor by Edmister's rule from the normal boiling point (the
// reference point where that is another), with his polar term for methanol
// and water; helium's, neon's and hydrogen's, which corresponding states
// miss (quantum gases), measured, and others' where measured. NaN for a
// substance without a measured critical point, and past the measurements
// of a gas the correlation misses there.
double second_virial_litres(const Substance& s, double kelvin);

// Standard formation data at 25 °C: CRC Handbook, "Standard thermodynamic
// properties of chemical substances", with the NBS tables' figure (Wagman
// et al., 1982) where they part; enthalpies and free energies within 0.5
// kJ/mol, entropies and heat capacities within 0.3 J/(mol K) besides.
struct ThermoSources {
    const char* formula;
    double enthalpy, nbs_enthalpy, free_energy, nbs_free_energy, entropy, nbs_entropy, heat_capacity, nbs_heat_capacity;
};
const std::vector<ThermoSources>& thermochemical_rows();
const ThermoSources* thermochemical(const std::string& formula);

// A value tabulated against temperature (K), read linearly between rows;
// its row at 25 °C is the thermochemical handbook's where that holds one.
double tabulated(const std::string& formula, const std::string& quantity, double kelvin, double& accuracy);

// A standard potential of a couple in its medium ("acid", "base").
struct Couple {
    const char* oxidised;
    const char* reduced;
    const char* medium;
    double volts;
};
const std::vector<Couple>& couples();

// Equilibria whose products the reactants do not give (either way).
struct Unreal {
    std::vector<std::string> left, right;
    const char* why;
};
const std::vector<Unreal>& unreal_equilibria();

// A dissolved species that does not carry its element as the page states:
// the species (a formula pattern), the medium that makes it false (a
// pattern on the medium text, "" any, or "pH>x" for a pH above x) and why.
struct FalseSpecies {
    const char* species;
    const char* medium;
    const char* why;
};
const std::vector<FalseSpecies>& false_species();

// A salt's saturated solution at 25 °C, its eutectic with ice (NaN: none
// kept) and, where a hot page's solution could pass the 25 °C figure, its
// saturation at other temperatures (°C, mass fraction), read linearly; the
// saturated solution's density at 25 °C, g/mL (NaN: none kept).
struct Solute {
    double mass_fraction;
    double eutectic_celsius = std::nan("");
    std::vector<std::pair<double, double>> by_celsius = {};
    double density = std::nan("");
};
const Solute* solute(const std::string& formula);
// The saturated mass fraction at `kelvin` (NaN: 25 °C); the 25 °C figure
// where no other temperature is kept, a floor from 25 to 100 °C (no salt
// kept dissolves less there) and no row reads a colder page.
double saturated_fraction(const Solute& s, double kelvin);
// Moles a litre of the saturated solution holds (infinite for 1): from its
// density where kept, its excess over water's in proportion to the mass
// fraction at other temperatures; else from water's density, which no
// saturated salt solution falls below (a bound from beneath).
double saturated_molarity(const std::string& formula, double molar_mass, double kelvin);

// An equilibrium constant in water at 25 °C as pages name it, by its kind
// ("a" an acid's, its successive steps in order, "b" a base's, "K" a
// solubility product), with a second source's value where they part.
struct Constant {
    const char* kind;
    const char* names;  // the species and the salts that carry it, "|" between them
    double value, other = std::nan("");
    std::int32_t step = 1;
};
const std::vector<Constant>& constants();
const Constant* constant(const std::string& kind, const std::string& name, std::int32_t step = 1);

// A halogen's dissociation constant X2 = 2X (atm) at `kelvin`, read in
// log10 between the handbook's rows; NaN outside them.
double dissociation_constant(const std::string& formula, double kelvin);

// A hydroxide's pH where its anion takes over, and the salt whose
// saturation bounds the metal a buffer dissolves ("" none needed).
struct Hydroxide {
    double anion_pH;
    const char* salt;
};
const Hydroxide* hydroxide(const std::string& formula);

// The structure at room conditions: "bcc", "fcc", "cubic" or another system.
const char* structure_of(const std::string& name);

}  // namespace conditions
