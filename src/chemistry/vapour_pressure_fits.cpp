#include "chemistry/vapour_pressure_fits.h"
#include "numbers/thermal_constants.h"

#include <cmath>

namespace {

bool has_antoine(const VapourPressureFit& fit)
{
    return fit.antoine.low <= fit.antoine.high;
}

constexpr double torr_per_mpa = 1e6 / 133.322368;

// How far t (°C) lies outside the row's range; 0 inside.
double distance_from_range(const AntoineFit& fit, double t)
{
    if (t < fit.low) return fit.low - t;
    if (t > fit.high) return t - fit.high;
    return 0.0;
}

}  // namespace

double antoine_vapour_pressure_torr(std::int32_t compound, double kelvin)
{
    if (compound == compounds::liquid_water) {
        if (kelvin >= water_critical_kelvin) return std::numeric_limits<double>::infinity();
        return water_saturation_pressure_mpa(kelvin) * torr_per_mpa;
    }
    const double t = kelvin - celsius_zero;
    const VapourPressureFit* nearest = nullptr;
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        if (fit.compound != compound) continue;
        if (kelvin >= fit.critical_kelvin) return std::numeric_limits<double>::infinity();
        if (!has_antoine(fit)) continue;
        if (nearest == nullptr || distance_from_range(fit.antoine, t) < distance_from_range(nearest->antoine, t))
            nearest = &fit;
    }
    if (nearest == nullptr) return std::numeric_limits<double>::quiet_NaN();
    const AntoineFit& a = nearest->antoine;
    return std::pow(10.0, a.a - a.b / (a.c + t));
}

double antoine_boiling_kelvin(std::int32_t compound, double torr)
{
    if (compound == compounds::liquid_water) return water_saturation_kelvin(torr / torr_per_mpa);
    double best = std::numeric_limits<double>::quiet_NaN(), best_distance = 0.0;
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        if (fit.compound != compound || !has_antoine(fit)) continue;
        const AntoineFit& a = fit.antoine;
        const double t = a.b / (a.a - std::log10(torr)) - a.c;
        if (std::isnan(best) || distance_from_range(a, t) < best_distance) {
            best = t + celsius_zero;
            best_distance = distance_from_range(a, t);
        }
    }
    return best;
}

float vapour_pressure_torr(const VapourPressureFit& fit, float kelvin)
{
    return static_cast<float>(antoine_vapour_pressure_torr(fit.compound, kelvin));
}

float water_vapour_pressure(float kelvin)
{
    return static_cast<float>(antoine_vapour_pressure_torr(compounds::liquid_water, kelvin));
}
