// Handbook equilibrium constants: the acids', bases' and salts' constants
// pages print, and the halogens' dissociation at high temperature, kept apart
// from the program's tables; each names its source.
#include <algorithm>
#include <cmath>
#include <sstream>

#include "handbook.h"

namespace conditions {

// At 25 °C: acids from the CRC Handbook's pKa ("Dissociation constants of
// inorganic acids and bases", "... of organic acids and bases"), with
// Lange's Handbook's where it parts (HF 3.17, H2CO3 6.37, H3PO4 2.15 and
// 12.38) and the older general-chemistry figure for HClO (3.5e-8); H2S's
// second step runs from the current 19 to the older 12.9. A base's
// constant is the water's product, 1.0e-14, over its conjugate acid's.
// Solubility products: the CRC Handbook's "Solubility product constants",
// with older tables' figure for Zn(OH)2 (4.1e-17).
namespace {

// The constants that follow from another row, held there alone: a
// conjugate's, the water's product over its partner's; an ion's own step,
// its acid's.
struct Derived {
    const char* kind;
    const char* names;
    const char* partner_kind;
    const char* partner;
    std::int32_t partner_step;
    bool conjugate;
};
constexpr Derived derived[] = {
    {"a", "NH@d4@@u+@|NH@d4@Cl|(NH@d4@)@d2@SO@d4@", "b", "NH@d3@", 1, true},
    {"a", "HCO@d3@@u-@", "a", "H@d2@CO@d3@", 2, false},
    {"b", "CH@d3@COO@u-@|CH@d3@COONa", "a", "CH@d3@COOH", 1, true},
    {"b", "CN@u-@|KCN", "a", "HCN", 1, true},
    {"b", "F@u-@|NaF", "a", "HF", 1, true},
    {"b", "ClO@u-@|NaClO", "a", "HClO", 1, true},
    {"b", "ClO@d2@@u-@|KClO@d2@", "a", "HClO@d2@", 1, true},
    {"b", "NO@d2@@u-@|NaNO@d2@", "a", "HNO@d2@", 1, true},
    {"b", "HCO@d3@@u-@|NaHCO@d3@", "a", "H@d2@CO@d3@", 1, true},
    {"b", "HS@u-@|NaHS", "a", "H@d2@S", 1, true},
    {"b", "CO@d3@@u2-@", "a", "H@d2@CO@d3@", 2, true},
};

constexpr double water_product = 1.0e-14;

}  // namespace

const std::vector<Constant>& constants()
{
    static const std::vector<Constant> table = [] {
        std::vector<Constant> measured = {
            {"a", "HClO@d2@", 1.15e-2, 1.1e-2},
            {"a", "HF", 6.3e-4, 6.8e-4},
            {"a", "HNO@d2@", 5.6e-4},
            {"a", "CH@d3@COOH", 1.75e-5},
            {"a", "HClO", 2.95e-8, 3.5e-8},
            {"a", "HCN", 6.2e-10},
            {"a", "HCOOH", 1.78e-4},
            {"a", "HBrO", 2.8e-9, 2.4e-9},
            {"a", "H@d2@SO@d3@", 1.41e-2},
            {"a", "H@d2@SO@d3@", 6.3e-8, std::nan(""), 2},
            {"a", "H@d2@S", 8.9e-8, 1.0e-7},
            {"a", "H@d2@S", 1.0e-19, 1.2e-13, 2},
            {"a", "H@d2@CO@d3@", 4.5e-7, 4.3e-7},
            {"a", "H@d2@CO@d3@", 4.7e-11, std::nan(""), 2},
            {"a", "H@d3@PO@d4@", 6.9e-3, 7.1e-3},
            {"a", "H@d3@PO@d4@", 6.2e-8, 6.3e-8, 2},
            {"a", "H@d3@PO@d4@", 4.8e-13, 4.2e-13, 3},
            {"b", "NH@d3@", 1.78e-5},
            {"K", "BaSO@d4@", 1.08e-10},
            {"K", "Pb(IO@d3@)@d2@", 3.69e-13},
            {"K", "PbSO@d4@", 2.53e-8},
            {"K", "PbI@d2@", 9.8e-9},
            {"K", "HgBr@d2@", 6.2e-20},
            {"K", "HgI@d2@", 2.9e-29},
            {"K", "AgBr", 5.35e-13},
            {"K", "AgCl", 1.77e-10},
            {"K", "AgI", 8.52e-17},
            {"K", "Cu(IO@d3@)@d2@", 6.94e-8},
            {"K", "MgF@d2@", 5.16e-11},
            {"K", "BaF@d2@", 1.84e-7},
            {"K", "CaSO@d4@", 4.93e-5},
            {"K", "CuCl", 1.72e-7},
            {"K", "Cr(IO@d3@)@d3@", 5.0e-6},
            {"K", "PbCl@d2@", 1.70e-5},
            {"K", "Ag@d2@SO@d4@", 1.20e-5},
            {"K", "Cd(OH)@d2@", 7.2e-15},
            {"K", "Co(OH)@d2@", 5.92e-15},
            {"K", "Ga(OH)@d3@", 7.28e-36},
            {"K", "Fe(OH)@d2@", 4.87e-17},
            {"K", "Pb(OH)@d2@", 1.43e-20},
            {"K", "Ni(OH)@d2@", 5.48e-16},
            {"K", "Sc(OH)@d3@", 2.22e-31},
            {"K", "Sn(OH)@d2@", 5.45e-27},
            {"K", "Zn(OH)@d2@", 3.0e-17, 4.1e-17},
            {"K", "BaCO@d3@", 2.58e-9},
            {"K", "CdCO@d3@", 1.0e-12},
            {"K", "PbCO@d3@", 7.40e-14},
            {"K", "CaCO@d3@", 3.36e-9},
            {"K", "NiCO@d3@", 1.42e-7},
            {"K", "SrCO@d3@", 5.60e-10},
        };
        const std::size_t count = measured.size();
        for (const Derived& d : derived) {
            const auto partner = std::find_if(measured.begin(), measured.begin() + static_cast<std::ptrdiff_t>(count),
                                              [&](const Constant& c) {
                                                  return c.kind == std::string(d.partner_kind) &&
                                                         c.names == std::string(d.partner) && c.step == d.partner_step;
                                              });
            const auto of = [&](double k) { return d.conjugate ? water_product / k : k; };
            measured.push_back({d.kind, d.names, of(partner->value), of(partner->other)});
        }
        return measured;
    }();
    return table;
}

const Constant* constant(const std::string& kind, const std::string& name, std::int32_t step)
{
    for (const Constant& c : constants()) {
        if (kind != c.kind || step != c.step) continue;
        std::istringstream names(c.names);
        for (std::string each; std::getline(names, each, '|');)
            if (each == name) return &c;
    }
    return nullptr;
}

namespace {

// log10 of X2 = 2X's constant (atm) from 800 to 3000 K in steps of 100 K:
// statistical mechanics from the molecules' spectroscopic constants (Huber
// and Herzberg, "Constants of Diatomic Molecules", 1979: dissociation
// energies 1.602, 2.479, 1.971 and 1.542 eV) and the atoms' fine-structure
// levels (NIST Atomic Spectra Database), the rigid rotor with the
// anharmonic levels summed to the dissociation limit: the thermochemical
// tables' own method, within 0.02 of their 0.76 for chlorine at 2040 K and
// 1.7 for bromine at 1830 K.
struct Dissociation {
    const char* formula;
    std::vector<double> log10_by_100_kelvin;
};
const std::vector<Dissociation> dissociations = {
    {"F@d2@", {-4.160, -2.970, -2.014, -1.230, -0.574, -0.017, 0.462, 0.878, 1.243, 1.566, 1.854, 2.112,
               2.345,  2.556,  2.748,  2.924,  3.086,  3.235,  3.373, 3.501, 3.620, 3.731, 3.835}},
    {"Cl@d2@", {-10.059, -8.262, -6.821, -5.638, -4.649, -3.811, -3.090, -2.464, -1.915, -1.429, -0.997, -0.609,
                -0.260,  0.057,  0.346,  0.610,  0.853,  1.076,  1.283,  1.474,  1.653,  1.819,  1.974}},
    {"Br@d2@", {-7.038, -5.620, -4.483, -3.550, -2.771, -2.109, -1.540, -1.046, -0.612, -0.227, 0.116, 0.424,
                0.702,  0.955,  1.185,  1.396,  1.591,  1.770,  1.937,  2.091,  2.235,  2.370,  2.495}},
    {"I@d2@", {-4.516, -3.403, -2.510, -1.778, -1.166, -0.647, -0.201, 0.186, 0.526, 0.826, 1.094, 1.335,
               1.552,  1.748,  1.928,  2.092,  2.243,  2.383,  2.512,  2.632, 2.744, 2.848, 2.946}},
};

}  // namespace

double dissociation_constant(const std::string& formula, double kelvin)
{
    for (const Dissociation& d : dissociations) {
        if (formula != d.formula) continue;
        const double step = (kelvin - 800.0) / 100.0;
        if (!(step >= 0.0 && step < static_cast<double>(d.log10_by_100_kelvin.size() - 1))) return std::nan("");
        const auto i = static_cast<std::size_t>(step);
        const double low = d.log10_by_100_kelvin[i], high = d.log10_by_100_kelvin[i + 1];
        return std::pow(10.0, low + (high - low) * (step - static_cast<double>(i)));
    }
    return std::nan("");
}

}  // namespace conditions
