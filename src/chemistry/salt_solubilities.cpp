#include "chemistry/salt_solubilities.h"

#include <algorithm>
#include <cmath>

#include "chemistry/data_tables.h"
#include "numbers/thermal_constants.h"

std::int32_t salt_compound(const SaltSolubility& salt)
{
    // Every salt of the table is a compound of the table, as a test checks.
    return find_compound_by_formula(salt.formula).value();
}

std::optional<float> measured_solubility(std::string_view formula, float celsius)
{
    const auto found = std::ranges::find(measured_solubilities, formula, &MeasuredSolubility::formula);
    if (found == measured_solubilities.end()) return std::nullopt;
    std::size_t row = 1;
    while (row + 1 < measured_celsius.size() && celsius > measured_celsius[row]) ++row;
    const float t0 = measured_celsius[row - 1], t1 = measured_celsius[row];
    const float s0 = std::log(found->grams[row - 1]), s1 = std::log(found->grams[row]);
    return std::exp(s0 + (s1 - s0) * (celsius - t0) / (t1 - t0));
}

float SolubilityCurve::at(float celsius) const
{
    return b * std::exp(-a / (celsius + celsius_zero_f));
}

SolubilityCurve solubility_curve(float s25, float s100)
{
    const float a = van_t_hoff_span_25_100_f * std::log(s100 / s25);
    return {a, s25 / std::exp(-reciprocal_standard_kelvin_f * a)};
}

float saturated_grams(std::string_view formula, const SolubilityCurve& curve, float celsius)
{
    return measured_solubility(formula, celsius).value_or(curve.at(celsius));
}
