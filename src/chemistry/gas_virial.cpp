#include "chemistry/gas_virial.h"

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "chemistry/data_tables.h"
#include "chemistry/vapour_pressure_fits.h"
#include "numbers/pressure_units.h"
#include "numbers/thermal_constants.h"

namespace {

constexpr double atm_per_bar = 1e5 / pascals_per_atmosphere;

const VapourPressureFit* row_of(std::int32_t compound)
{
    if (compound == compounds::water_vapour) compound = compounds::liquid_water;
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound) return &fit;
    return nullptr;
}

// Helium, neon and hydrogen, which corresponding states miss (quantum
// gases), by their measured coefficients: B = a - b exp(c/T) cm3/mol, as
// the reference table "Second virial coefficients" (LibreTexts Chemistry,
// A9) fits them for neon and hydrogen; helium's 12 cm3/mol holds within 1
// from 200 to 600 K (CRC Handbook, "Virial coefficients of selected gases").
struct MeasuredVirial {
    std::int32_t compound;
    double a, b, c;
};
constexpr MeasuredVirial measured_virials[] = {
    {compounds::helium, 12.0, 0.0, 0.0},
    {compounds::neon, 81.0, 63.6, 30.7},
    {compounds::hydrogen, 315.0, 289.7, 9.47},
};

// Pitzer's definition: ω = -log10(Psat / Pc) - 1 at 0.7 Tc.
double acentric_factor(const VapourPressureFit& row)
{
    const double torr = antoine_vapour_pressure_torr(row.compound, 0.7 * row.critical_kelvin);
    return std::isfinite(torr) ? -std::log10(torr / torr_per_bar / row.critical_bar) - 1.0 : 0.0;
}

}  // namespace

double second_virial_litres(std::int32_t compound, double kelvin)
{
    for (const MeasuredVirial& m : measured_virials)
        if (m.compound == compound) return (m.a - m.b * std::exp(m.c / kelvin)) / 1000.0;
    const VapourPressureFit* row = row_of(compound);
    if (row == nullptr || !std::isfinite(row->critical_kelvin)) return std::numeric_limits<double>::quiet_NaN();
    const double inverse = row->critical_kelvin / kelvin;
    const double f0 = 0.1445 - 0.330 * inverse - 0.1385 * std::pow(inverse, 2) - 0.0121 * std::pow(inverse, 3) -
                      0.000607 * std::pow(inverse, 8);
    const double f1 =
        0.0637 + 0.331 * std::pow(inverse, 2) - 0.423 * std::pow(inverse, 3) - 0.008 * std::pow(inverse, 8);
    return (f0 + acentric_factor(*row) * f1) * gas_constant_litre_atm * row->critical_kelvin /
           (row->critical_bar * atm_per_bar);
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
        if (!std::isnan(second_virial_litres(*compound, kelvin))) known.push_back({*compound, gas.partial_atm});
    }
    return near_ideal(known, kelvin);
}
