// What the conditions table's files share: what a row reads of a page, a
// verdict of one page, and the judgments of its gases, species and
// equations.
#pragma once

#include <cmath>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "handbook.h"
#include "support/shown_numbers.h"

namespace conditions {

inline constexpr double litre_atm = 0.082057;  // L atm/(mol K)
inline constexpr double room_kelvin = 298.15;
// The ideal gas law's ceiling where a page states no temperature: at 25 °C
// helium's compressibility is 1 + BP/RT = 1.05 there (B = 12 cm3/mol: CRC
// Handbook, "Virial coefficients of selected gases").
inline constexpr double ideal_reach_atm = 100.0;

// What a row reads of one page, by role.
struct Read {
    struct Datum {
        char kind;
        testing_support::Shown shown;
        double kelvin;  // the temperature read next, else the page's
    };
    std::vector<std::string> substances, equations, media, words;
    std::vector<double> pressures, volumes, masses, moles;
    std::vector<Datum> data;
    std::vector<std::string> units;  // of the pressures, then of the vapour pressures
    // Solutions: mol/L, mass fractions, litres of solution, grams of water,
    // freezing points (°C); and the (K, atm) rows of the page's table.
    std::vector<testing_support::Shown> concentrations, fractions;
    std::vector<double> litres, waters, freezing;
    std::vector<std::pair<double, double>> points;
    double kelvin = std::nan(""), total = std::nan(""), density = std::nan(""), pH = std::nan("");
    double dissociated = std::nan("");  // the share of the equation's reactant dissociated
    std::string statement;
};

// A temperature as pages print it.
inline const std::string printed_temperature = R"(NUM(@uo@C| K\b))";

// Judgments of one row on one page: each fault with its rule's letter, and
// how many comparisons with the handbook the rules made.
struct Verdict {
    std::vector<std::pair<char, std::string>> faults;
    std::int32_t judged = 0;
    void fault(char rule, const std::ostream& text)
    {
        faults.emplace_back(rule, dynamic_cast<const std::ostringstream&>(text).str());
    }
};

// The fault where gases together stray from the ideal gas past the tolerance.
void judge_ideal(const std::vector<std::pair<const Substance*, double>>& partials, double kelvin, Verdict& verdict);

// Rule a: each gas at most at its saturation pressure, within the fit's own
// accuracy, and HF near its monomer; NO2 more than 5 % paired as N2O4
// breaks rule c.
void judge_gas(const std::string& name, const Substance& s, double atm, double kelvin, Verdict& verdict);

// Rule c: each species in its medium.
void judge_species(const Read& read, Verdict& verdict);

// Rules b and d: each equation's direction, and its states at the page's
// temperatures and pressure.
void judge_equations(const Read& read, Verdict& verdict);

}  // namespace conditions
