#include "chemistry/phase_limits.h"

#include <cmath>
#include <optional>

#include "chemistry/data_tables.h"
#include "chemistry/vapour_pressure_fits.h"
#include "numbers/pressure_units.h"

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
    return antoine_vapour_pressure_torr(vapour_row_compound(compound), kelvin) / torr_per_atmosphere;
}

namespace {

// Which question the saturation pressure answers: a gas drawn keeps below it
// by the share it may run high, so that none is put on the liquid's side; a
// liquid reads it as it stands.
enum class Asked { gas, liquid };

// Whether the compound at this pressure lies on the condensed side.
bool condensed_at(std::int32_t compound, double kelvin, double atm, Asked asked)
{
    const SaturationTorr saturation = saturation_torr(vapour_row_compound(compound), kelvin);
    if (!std::isnan(saturation.torr)) {
        const double kept = asked == Asked::gas ? 1.0 - saturation.may_run_high : 1.0;
        return atm > kept * saturation.torr / torr_per_atmosphere;
    }
    // Without a fit only the normal boiling point tells; a compound in
    // neither table never passes as a gas.
    const double boiling = boiling_point_kelvin(compound);
    return std::isnan(boiling) || kelvin < boiling;
}

}  // namespace

bool gas_condenses(std::int32_t compound, double kelvin, double partial_atm)
{
    return condensed_at(compound, kelvin, partial_atm, Asked::gas);
}

bool liquid_boils(std::int32_t compound, double kelvin, double atm)
{
    return !condensed_at(compound, kelvin, atm, Asked::liquid);
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
    if (liquid_boils(compound, kelvin, atm)) return 'g';
    return kelvin < melting_point_kelvin(compound) ? 's' : 'l';
}
