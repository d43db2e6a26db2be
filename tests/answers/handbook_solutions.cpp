// Handbook data of solutions and of the compounds pages print facts about,
// kept apart from the program's own tables: each entry names its source.
#include <cmath>
#include <map>
#include <string>

#include "handbook.h"

namespace conditions {

// Saturated solutions at 25 °C, mass fraction of the anhydrous salt: CRC
// Handbook of Chemistry and Physics, "Aqueous solubility of inorganic
// compounds at various temperatures" (SnCl2 at 0 °C, a floor of its 25 °C
// value); at 1 the acids miscible with water and the salts whose hydrates
// dissolve past any page's amount. Eutectics with ice, °C, where kept:
// Gmelin, and Linke and Seidell, "Solubilities of inorganic and metal
// organic compounds". At 20, 40, 60, 80 and 100 °C, the same CRC table's
// grams per 100 g of water as mass fractions: Ba(OH)2 3.89, 8.22, 20.94,
// 101.4 (its octahydrate melts at 78 °C); Ba(NO3)2 9.02, 14.1, 20.3, 27.0,
// 34.4; K2SO4 11.1, 14.8, 18.2, 21.4, 24.1. Ba(OH)2's eutectic from its
// solubility at 0 °C, 1.67 g in 100 g of water (0.098 mol/kg), frozen
// with the osmotic coefficient of a 2:1 salt at 0.1 mol/kg, 0.78 (Robinson
// and Stokes): -0.43 °C. Saturated densities: the CRC Handbook's
// "Concentrative properties of aqueous solutions" at the saturated mass
// fraction, carried past its last row by the salt's apparent molar volume
// where the table stops short, within 0.3 %.
const Solute* solute(const std::string& formula)
{
    static const std::map<std::string, Solute> table = {
        {"NaCl", {0.2645, -21.1, {}, 1.197}},
        {"KCl", {0.2622, -10.7}},
        {"KBr", {0.404, -12.6}},
        {"KI", {0.597}},
        {"KF", {0.504}},
        {"NaBr", {0.486, -28.0}},
        {"NaI", {0.648}},
        {"NaF", {0.0397, -3.5, {}, 1.0425}},
        {"NaNO@d3@", {0.477, -18.5}},
        {"NaNO@d2@", {0.459}},
        {"KNO@d3@", {0.277, -2.9}},
        {"KNO@d2@", {0.757}},
        {"Na@d2@SO@d4@", {0.218, -1.2, {}, 1.209}},
        {"K@d2@SO@d4@",
         {0.107, -1.5, {{20, 0.0999}, {25, 0.107}, {40, 0.1289}, {60, 0.1540}, {80, 0.1763}, {100, 0.1942}}, 1.088}},
        {"ZnSO@d4@", {0.366, -6.5}},
        {"CuSO@d4@", {0.180, -1.6, {}, 1.206}},
        {"CuCl@d2@", {0.431}},
        {"Cu(NO@d3@)@d2@", {0.592}},
        {"ZnCl@d2@", {0.803, -62.0}},
        {"Zn(NO@d3@)@d2@", {0.559}},
        {"CaCl@d2@", {0.448, -49.8}},
        {"Ca(NO@d3@)@d2@", {0.590}},
        {"BaCl@d2@", {0.270, -7.8, {}, 1.294}},
        {"Ba(NO@d3@)@d2@",
         {0.0927, -0.7, {{20, 0.0827}, {25, 0.0927}, {40, 0.1236}, {60, 0.1688}, {80, 0.2126}, {100, 0.2559}}, 1.080}},
        {"Ba(OH)@d2@", {0.0468, -0.43, {{20, 0.0374}, {25, 0.0468}, {40, 0.0760}, {60, 0.1731}, {80, 0.5035}}, 1.041}},
        {"AgNO@d3@", {0.714, -7.3}},
        {"LiOH", {0.111}},
        {"NaOH", {0.533, -28.0}},
        {"KOH", {0.547}},
        {"CsOH", {0.75}},
        {"Al@d2@(SO@d4@)@d3@", {0.278, std::nan(""), {}, 1.337}},
        {"FeCl@d3@", {0.479}},
        {"FeCl@d2@", {0.407}},
        {"Na@d2@CrO@d4@", {0.467}},
        {"K@d2@CrO@d4@", {0.394}},
        {"K@d2@Cr@d2@O@d7@", {0.131, std::nan(""), {}, 1.099}},
        {"Na@d2@C@d2@O@d4@", {0.0361, std::nan(""), {}, 1.030}},
        {"NaHCO@d3@", {0.0932, std::nan(""), {}, 1.068}},
        {"KHCO@d3@", {0.266}},
        {"KCN", {0.417}},
        {"K@d2@CO@d3@", {0.527}},
        {"KMnO@d4@", {0.0706, std::nan(""), {}, 1.046}},
        {"CH@d3@COONa", {0.335}},
        {"Na@d2@S", {0.157}},
        {"(NH@d4@)@d2@SO@d4@", {0.434}},
        {"NiCl@d2@", {0.403}},
        {"CoCl@d2@", {0.360}},
        {"CdCl@d2@", {0.546}},
        {"Pb(NO@d3@)@d2@", {0.371}},
        {"NaHSO@d4@", {0.222}},
        {"KHSO@d4@", {0.336}},
        {"SnCl@d2@", {0.456}},
        {"Fe@d2@(SO@d4@)@d3@", {1.0}},
        {"K@d2@S", {1.0}},
        {"(NH@d4@)HSO@d4@", {1.0}},
        {"Cr@d2@(SO@d4@)@d3@", {1.0}},
        {"H@d3@AsO@d4@", {1.0}},
        {"H@d2@SO@d4@", {1.0}},
        {"HNO@d3@", {1.0}},
        {"HClO@d4@", {1.0}},
        {"HCl", {0.40}},
        {"CH@d3@COOH", {1.0}},
        {"HCOOH", {1.0}},
        {"H@d3@PO@d4@", {1.0}},
    };
    const auto found = table.find(formula);
    return found == table.end() ? nullptr : &found->second;
}

double saturated_fraction(const Solute& s, double kelvin)
{
    const double celsius = kelvin - 273.15;
    const auto& rows = s.by_celsius;
    if (std::isnan(celsius) || rows.empty()) return s.mass_fraction;
    if (celsius <= rows.front().first) return rows.front().second;
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (celsius <= rows[i].first) {
            const auto [t0, w0] = rows[i - 1];
            const auto [t1, w1] = rows[i];
            return w0 + (w1 - w0) * (celsius - t0) / (t1 - t0);
        }
    return rows.back().second;
}

namespace {

// Water's density, g/mL, from 0 to 100 °C (CRC Handbook).
double water_density(double celsius)
{
    static const std::vector<std::pair<double, double>> rows = {{0, 0.99984},  {25, 0.99705}, {40, 0.99222},
                                                                {60, 0.98320}, {80, 0.97179}, {100, 0.95835}};
    if (!(celsius > 0.0)) return rows.front().second;
    for (std::size_t i = 1; i < rows.size(); ++i)
        if (celsius <= rows[i].first)
            return rows[i - 1].second + (rows[i].second - rows[i - 1].second) * (celsius - rows[i - 1].first) /
                                            (rows[i].first - rows[i - 1].first);
    return rows.back().second;
}

}  // namespace

double saturated_molarity(const std::string& formula, double molar_mass, double kelvin)
{
    const Solute* s = solute(formula);
    if (s == nullptr) return std::nan("");
    const double w = saturated_fraction(*s, kelvin);
    if (w >= 1.0) return INFINITY;
    const double celsius = std::isnan(kelvin) ? 25.0 : kelvin - 273.15;
    const double excess = std::isnan(s->density) ? 0.0 : (s->density - water_density(25.0)) * w / s->mass_fraction;
    return 1000.0 * w * (water_density(celsius) + excess) / molar_mass;
}

// A hydroxide as a dissolved species: the pH above which its anion carries
// most of the metal at saturation (Baes and Mesmer, "The Hydrolysis of
// Cations"; 14 where only concentrated alkali dissolves it, Greenwood and
// Earnshaw), and the salt that bounds the metal a buffer can hold (the most
// soluble kept above; "" where its nitrate dissolves past any page's
// amount).
const Hydroxide* hydroxide(const std::string& formula)
{
    static const std::map<std::string, Hydroxide> table = {
        {"Zn(OH)@d2@", {10.0, "ZnCl@d2@"}}, {"Sn(OH)@d2@", {6.0, "SnCl@d2@"}},  {"Pb(OH)@d2@", {9.5, "Pb(NO@d3@)@d2@"}},
        {"Ga(OH)@d3@", {7.0, ""}},          {"Al(OH)@d3@", {7.5, ""}},          {"Sc(OH)@d3@", {6.5, ""}},
        {"Ni(OH)@d2@", {14.0, "NiCl@d2@"}}, {"Co(OH)@d2@", {14.0, "CoCl@d2@"}}, {"Fe(OH)@d2@", {14.0, "FeCl@d2@"}},
        {"Cd(OH)@d2@", {14.0, "CdCl@d2@"}},
    };
    const auto found = table.find(formula);
    return found == table.end() ? nullptr : &found->second;
}

}  // namespace conditions
