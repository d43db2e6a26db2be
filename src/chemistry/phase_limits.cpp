#include "chemistry/phase_limits.h"

#include <cmath>
#include <optional>

#include "chemistry/data_tables.h"
#include "chemistry/vapour_pressure_fits.h"

namespace {

// The record of water as vapour is water.
std::int32_t vapour_row_compound(std::int32_t compound)
{
    return compound == compounds::water_vapour ? compounds::liquid_water : compound;
}

const PhasePoints* points_of(std::int32_t compound)
{
    for (const PhasePoints& p : phase_points)
        if (p.compound == compound) return &p;
    return nullptr;
}

}  // namespace

double saturation_pressure_atm(std::int32_t compound, double kelvin)
{
    return antoine_vapour_pressure_torr(vapour_row_compound(compound), kelvin) / 760.0;
}

bool gas_condenses(std::int32_t compound, double kelvin, double partial_atm)
{
    const double saturation = saturation_pressure_atm(compound, kelvin);
    // The line past a fit's range runs up to 3 % above the wide-range
    // equation of Perry's handbook (chlorine near 400 K, where the handbooks'
    // critical pressures part by as much): there the guard keeps that far
    // below it, so that no gas is put on the liquid's side.
    if (past_fit_range(vapour_row_compound(compound), kelvin)) return partial_atm > 0.97 * saturation;
    if (!std::isnan(saturation)) return partial_atm > saturation;
    // Without a fit only the normal boiling point tells; a compound in
    // neither table never passes as a gas.
    const double boiling = boiling_point_kelvin(compound);
    return std::isnan(boiling) || kelvin < boiling;
}

double melting_point_kelvin(std::int32_t compound)
{
    const PhasePoints* p = points_of(compound);
    return p != nullptr ? p->melting_kelvin : std::numeric_limits<double>::quiet_NaN();
}

double boiling_point_kelvin(std::int32_t compound)
{
    const PhasePoints* p = points_of(compound);
    return p != nullptr ? p->boiling_kelvin : std::numeric_limits<double>::quiet_NaN();
}

bool gas_of_formula_condenses(std::string_view formula, double kelvin, double partial_atm)
{
    const std::optional<std::int32_t> compound = find_compound_by_formula(formula);
    return !compound || gas_condenses(*compound, kelvin, partial_atm);
}

char state_at(std::int32_t compound, double kelvin, double atm)
{
    if (!gas_condenses(compound, kelvin, atm)) return 'g';
    return kelvin < melting_point_kelvin(compound) ? 's' : 'l';
}
