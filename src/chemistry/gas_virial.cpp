#include "chemistry/gas_virial.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "chemistry/data_tables.h"
#include "chemistry/molar_mass.h"
#include "chemistry/vapour_pressure_fits.h"
#include "numbers/pressure_units.h"
#include "numbers/thermal_constants.h"

namespace {

constexpr double atm_per_bar = 1e5 / pascals_per_atmosphere;
constexpr double no_upper_end = std::numeric_limits<double>::infinity();

const VapourPressureFit* row_of(std::int32_t compound)
{
    if (compound == compounds::water_vapour) compound = compounds::liquid_water;
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound) return &fit;
    return nullptr;
}

// Helium, neon and hydrogen, which corresponding states miss (quantum
// gases), by their measured coefficients at any temperature: B = a - b
// exp(c/T) cm3/mol, as the reference table "Second virial coefficients"
// (LibreTexts Chemistry, A9) fits them for neon and hydrogen; helium's 12
// cm3/mol holds within 1 from 200 to 600 K (CRC Handbook, "Virial
// coefficients of selected gases").
struct MeasuredVirial {
    std::int32_t compound;
    double a, b, c;
};
constexpr MeasuredVirial measured_virials[] = {
    {compounds::helium, 12.0, 0.0, 0.0},
    {compounds::neon, 81.0, 63.6, 30.7},
    {compounds::hydrogen, 315.0, 289.7, 9.47},
};

// Measured coefficients within the range of their fit, before the
// correlation. The CRC Handbook's smoothing fits ("Virial coefficients of
// selected gases", after Dymond and Smith's compilation): B = Σ a_i
// (298.15/T - 1)^(i-1) cm3/mol.
struct SmoothingFit {
    std::int32_t compound;
    double from, to;  // K
    std::array<double, 5> a;
};
constexpr SmoothingFit smoothing_fits[] = {
    {compounds::ammonia, 290.0, 420.0, {-271.0, -1022.0, -2715.0, -4189.0, 0.0}},
    {compounds::hydrogen_chloride, 190.0, 470.0, {-144.0, -325.0, -277.0, -170.0, 0.0}},
    {compounds::chlorine, 210.0, 900.0, {-303.0, -555.0, 9.0, 329.0, 68.0}},
    {compounds::argon, 100.0, 1000.0, {-16.0, -60.0, -9.7, -1.5, 0.0}},
};
// Gases whose CRC row is not held here, and ammonia outside the CRC's
// range, by the fits B = a - b exp(c/T) cm3/mol of LibreTexts Chemistry's
// table A9 within their ranges (oxygen's from 120 K: below the
// measurements part from the fit by 6 to 10 %). Nitric oxide was measured up to 311 K
// only, and there the correlation, thrown by its liquid's pairing (ω
// 0.58), parts from it by half (-9 against -21 cm3/mol): its fit, the
// square well's form, whose constants are the molecules' size and pull,
// is carried on, where B stays within a few cm3/mol of zero.
struct ExponentialFit {
    std::int32_t compound;
    double from, to;  // K
    double a, b, c;
};
constexpr ExponentialFit exponential_fits[] = {
    {compounds::ammonia, 273.0, 573.0, 44.3, 23.6, 766.6},
    {compounds::sulfur_dioxide, 265.0, 473.0, 134.4, 72.5, 606.5},
    {compounds::nitric_oxide, 122.0, no_upper_end, 15.9, 11.0, 372.3},
    {compounds::carbon_dioxide, 220.0, 1100.0, 137.6, 87.7, 325.7},
    {compounds::nitrogen, 75.0, 700.0, 185.4, 141.8, 88.7},
    {compounds::oxygen, 120.0, 400.0, 152.8, 117.0, 108.8},
    {compounds::carbon_monoxide, 90.0, 573.0, 202.6, 154.2, 94.2},
    {compounds::krypton, 110.0, 700.0, 189.6, 148.0, 145.3},
};

// Hydrogen sulfide and nitrous oxide by Lemmon and Span's reference
// equations of state (J. Chem. Eng. Data 51, 785, 2006), fitted to their
// measured densities, within each equation's range: B = Σ n_i (Tc/T)^t_i
// / ρc over its residual terms of the first power in density. Table A9's
// fits for the two run 4 to 14 % more negative than these from 250 to
// 300 K.
struct EquationVirial {
    std::int32_t compound;
    double from, to;  // K
    double critical_kelvin, critical_mol_per_litre;
    std::array<std::pair<double, double>, 6> terms;  // n_i, t_i
};
constexpr EquationVirial equation_virials[] = {
    {compounds::hydrogen_sulfide,
     187.7,
     760.0,
     373.1,
     10.19,
     {{{0.87641, 0.25}, {-2.0367, 1.125}, {0.21634, 1.5}, {-0.2223, 3.625}, {0.0, 0.0}, {0.0, 0.0}}}},
    {compounds::nitrous_oxide,
     182.33,
     525.0,
     309.52,
     10.27,
     {{{0.88045, 0.25}, {-2.4235, 1.25}, {0.38237, 1.5}, {0.13122, 2.375}, {-0.23263, 3.5}, {-0.00042859, 6.5}}}},
};

// Water vapour, whose hydrogen bonds the nonpolar correlation misses (18 %
// short at 25 °C): the specific coefficient fitted to the steam tables and
// to flow calorimetry from 20 to 800 °C (J. Mech. Eng. Sci. 17, 36, 1975),
// B = a1 f1 + a2 f2 + a3 f3 m3/kg with f1 = 1/(1 + T/α), f2 = (1 -
// exp(-β/T))^(5/2) (T/β)^(1/2) exp(β/T), f3 = β/T, α = 10000 K, β = 1500 K.
constexpr double water_fit_from = 293.15, water_fit_to = 1073.15;  // K

double water_cm3(double kelvin)
{
    const double beta = 1500.0 / kelvin;
    const double f1 = 1.0 / (1.0 + kelvin / 10000.0);
    const double f2 = std::pow(1.0 - std::exp(-beta), 2.5) * std::sqrt(1.0 / beta) * std::exp(beta);
    const double per_kilogram = 0.0015 * f1 - 0.000942 * f2 - 0.0004882 * beta;
    // m3/kg times g/mol is L/mol.
    return per_kilogram * static_cast<double>(water_molar_mass()) * 1000.0;
}

// A measured B, cm3/mol, where a fit holds the gas at `kelvin`.
std::optional<double> measured_cm3(std::int32_t compound, double kelvin)
{
    if (compound == compounds::water_vapour && kelvin >= water_fit_from && kelvin <= water_fit_to)
        return water_cm3(kelvin);
    for (const MeasuredVirial& m : measured_virials)
        if (m.compound == compound) return m.a - m.b * std::exp(m.c / kelvin);
    for (const SmoothingFit& f : smoothing_fits)
        if (f.compound == compound && kelvin >= f.from && kelvin <= f.to) {
            const double x = standard_kelvin / kelvin - 1.0;
            double b = 0.0;
            for (std::size_t i = f.a.size(); i-- > 0;) b = b * x + f.a[i];
            return b;
        }
    for (const ExponentialFit& f : exponential_fits)
        if (f.compound == compound && kelvin >= f.from && kelvin <= f.to) return f.a - f.b * std::exp(f.c / kelvin);
    for (const EquationVirial& e : equation_virials)
        if (e.compound == compound && kelvin >= e.from && kelvin <= e.to) {
            double sum = 0.0;
            for (const auto& [n, t] : e.terms) sum += n * std::pow(e.critical_kelvin / kelvin, t);
            return sum * 1000.0 / e.critical_mol_per_litre;
        }
    return std::nullopt;
}

// Pitzer's definition: ω = -log10(Psat / Pc) - 1 at 0.7 Tc; NaN where the
// vapour curve gives no pressure there.
double acentric_factor(const VapourPressureFit& row)
{
    const double torr = antoine_vapour_pressure_torr(row.compound, 0.7 * row.critical_kelvin);
    return -std::log10(torr / torr_per_bar / row.critical_bar) - 1.0;
}

// Gases the vapour table does not hold, by their critical point and
// acentric factor. Propene's are measured (Poling, Prausnitz and
// O'Connell, "The Properties of Gases and Liquids", 5th ed., appendix A).
// Nitrosyl bromide's critical point was never measured: Joback's group
// contributions (Joback and Reid, Chem. Eng. Commun. 57, 233, 1987) for
// -Br, -N= and =O from its normal boiling point 287.6 K give Tc =
// 287.6 / (0.584 + 0.965 · 0.0531 - 0.0531²) = 454.8 K and Pc = (0.113 +
// 0.0032 · 3 - 0.0059)^-2 = 73.4 bar; its ω by Edmister's rule from those
// points, 3/7 · θ/(1 - θ) · log10(Pc / 1 atm) - 1 with θ = Tb/Tc.
struct CriticalRow {
    std::int32_t compound;
    double kelvin;
    double bar;
    double omega;  // acentric factor
};
constexpr CriticalRow critical_rows[] = {
    {compounds::propene, 364.9, 46.0, 0.142},
    {compounds::nitrosyl_bromide, 454.8, 73.4, 0.371},
};

// The critical point and acentric factor of a gas; none where neither
// table holds it.
std::optional<CriticalRow> critical_row(std::int32_t compound)
{
    for (const CriticalRow& row : critical_rows)
        if (row.compound == compound) return row;
    const VapourPressureFit* row = row_of(compound);
    if (row == nullptr || !std::isfinite(row->critical_kelvin)) return std::nullopt;
    return CriticalRow{compound, row->critical_kelvin, row->critical_bar, acentric_factor(*row)};
}

// Below half its critical temperature the correlation's terms in (Tc/T)^8
// run away (mercury at 25 °C, at 0.17 Tc, came out at +137,765 cm3/mol): no
// coefficient is taken from it there.
constexpr double lowest_reduced_temperature = 0.5;

// Where the correlation parts from a gas's measurements at their ends by
// more than a page's margin bears (ammonia by 22 % at 273 K, hydrogen
// chloride by 16 % at 190 K and 14 % at 470 K, chlorine by 29 % at 210
// K, nitric oxide by 25 % at 122 K, nitrogen by 10 % at 75 K, hydrogen
// sulfide and nitrous oxide by 13 % below their triple points, where
// their equations end, and oxygen below 120 K, where table A9 and Wagner
// and others' measurements (Cryogenics 24, 37, 1984) part by 6 to 10 %),
// and below the measurements of a
// polar gas, whose dipoles' pull the correlation misses more the colder
// it is (sulfur dioxide), it is not taken: past these ends a gas has no
// coefficient, and a page there is drawn again. Above their measurements
// ammonia and sulfur dioxide keep it: there it meets them within 8 %, and
// the dipoles' share falls as (Tc/T)^6.
struct MeasuredSpan {
    std::int32_t compound;
    double from, to;  // K
};
constexpr MeasuredSpan measured_spans[] = {
    {compounds::ammonia, 273.0, no_upper_end},          {compounds::hydrogen_chloride, 190.0, 470.0},
    {compounds::chlorine, 210.0, no_upper_end},         {compounds::nitric_oxide, 122.0, no_upper_end},
    {compounds::sulfur_dioxide, 265.0, no_upper_end},   {compounds::nitrogen, 75.0, no_upper_end},
    {compounds::hydrogen_sulfide, 187.7, no_upper_end}, {compounds::nitrous_oxide, 182.33, no_upper_end},
    {compounds::oxygen, 120.0, no_upper_end},
};

bool beyond_measurements(std::int32_t compound, double kelvin)
{
    for (const MeasuredSpan& span : measured_spans)
        if (span.compound == compound) return kelvin < span.from || kelvin > span.to;
    return false;
}

// Tsonopoulos's term for hydrogen-bonded gases, a (Tc/T)^6 - b (Tc/T)^8,
// where no measured row holds them: methanol's own a = 0.0878, b = 0.0525
// (AIChE J. 20, 263, 1974, kept by Tsonopoulos and Dymond, Fluid Phase
// Equilib. 133, 11, 1997; at 373 K it gives -512 cm3/mol, the measured
// ones -535 to -543, where the nonpolar form gives -472) and water's a =
// -0.0109, b = 0 (Tsonopoulos and Heidman, Fluid Phase Equilib. 57, 261,
// 1990).
struct PolarTerm {
    std::int32_t compound;
    double a, b;
};
constexpr PolarTerm polar_terms[] = {
    {compounds::methanol, 0.0878, 0.0525},
    {compounds::water_vapour, -0.0109, 0.0},
};

double polar_share(std::int32_t compound, double inverse_reduced)
{
    for (const PolarTerm& p : polar_terms)
        if (p.compound == compound) return p.a * std::pow(inverse_reduced, 6) - p.b * std::pow(inverse_reduced, 8);
    return 0.0;
}

// A gas's coefficient is its vapour's, whatever record names it: water
// written H2O is the liquid's.
std::int32_t vapour_of(std::int32_t compound)
{
    return compound == compounds::liquid_water ? compounds::water_vapour : compound;
}

}  // namespace

double second_virial_litres(std::int32_t compound, double kelvin)
{
    assert(kelvin > 0.0);
    compound = vapour_of(compound);
    if (const std::optional<double> measured = measured_cm3(compound, kelvin)) return *measured / 1000.0;
    const std::optional<CriticalRow> row = critical_row(compound);
    if (!row || !std::isfinite(row->omega) || kelvin < lowest_reduced_temperature * row->kelvin ||
        beyond_measurements(compound, kelvin))
        return std::numeric_limits<double>::quiet_NaN();
    const double inverse = row->kelvin / kelvin;
    const double f0 = 0.1445 - 0.330 * inverse - 0.1385 * std::pow(inverse, 2) - 0.0121 * std::pow(inverse, 3) -
                      0.000607 * std::pow(inverse, 8);
    const double f1 =
        0.0637 + 0.331 * std::pow(inverse, 2) - 0.423 * std::pow(inverse, 3) - 0.008 * std::pow(inverse, 8);
    return (f0 + row->omega * f1 + polar_share(compound, inverse)) * gas_constant_litre_atm * row->kelvin /
           (row->bar * atm_per_bar);
}

bool near_ideal(std::span<const GasShare> gases, double kelvin)
{
    // Σ y_i B_i · P = Σ p_i B_i.
    double pressure_virial = 0.0;
    for (const GasShare& gas : gases) pressure_virial += gas.partial_atm * second_virial_litres(gas.compound, kelvin);
    return std::fabs(pressure_virial) / (gas_constant_litre_atm * kelvin) <= 0.045;
}

bool near_ideal(std::int32_t compound, double kelvin, double atm)
{
    const GasShare gas{compound, atm};
    return near_ideal(std::span(&gas, 1), kelvin);
}

bool formulas_near_ideal(std::span<const FormulaShare> gases, double kelvin)
{
    std::vector<GasShare> known;
    for (const FormulaShare& gas : gases) {
        const std::optional<std::int32_t> compound = find_compound_by_formula(gas.formula);
        if (!compound) return false;
        known.push_back({*compound, gas.partial_atm});
    }
    return near_ideal(known, kelvin);
}
