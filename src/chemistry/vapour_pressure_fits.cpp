#include "chemistry/vapour_pressure_fits.h"
#include "numbers/thermal_constants.h"

#include <algorithm>
#include <cmath>

#include "numbers/pressure_units.h"

double antoine_log10_torr(const AntoineFit& fit, double celsius)
{
    return fit.a - fit.b / (fit.c + celsius);
}

namespace {

bool has_antoine(const VapourPressureFit& fit)
{
    return fit.antoine.low <= fit.antoine.high;
}

constexpr double torr_per_mpa = 1e6 / pascals_per_torr;

double antoine_torr(const AntoineFit& a, double t)
{
    return std::pow(10.0, antoine_log10_torr(a, t));
}

// The compound's row whose range ends highest; null without a fit.
const VapourPressureFit* last_row(std::int32_t compound)
{
    const VapourPressureFit* last = nullptr;
    for (const VapourPressureFit& fit : vapour_pressure_fits)
        if (fit.compound == compound && has_antoine(fit) && (last == nullptr || fit.antoine.high > last->antoine.high))
            last = &fit;
    return last;
}

// Past the last row's range, up to the critical point, ln P runs straight in
// 1/T from the fit's last point to the critical point: the Antoine curve
// bent on past its range reads chlorine 8 % low at 400 K. Its end and the
// critical point in 1/K and ln(torr).
struct CriticalLine {
    double end_inverse;
    double end_log;
    double critical_inverse;
    double critical_log;
};

CriticalLine critical_line(const VapourPressureFit& last)
{
    const AntoineFit& a = last.antoine;
    return {1.0 / (a.high + celsius_zero), std::log(antoine_torr(a, a.high)), 1.0 / last.critical_kelvin,
            std::log(last.critical_bar * torr_per_bar)};
}

// The line runs at most 3 % above the wide-range equations of Perry's
// handbook (chlorine near 400 K, where the handbooks' critical pressures part
// by as much), and it starts on the fit: the share by which it may run high
// grows with the way in 1/T, from none at the range's end to this at the
// critical point.
constexpr double line_runs_high_at_critical = 0.03;

// How far t (°C) lies outside the row's range; 0 inside.
double distance_from_range(const AntoineFit& fit, double t)
{
    if (t < fit.low) return fit.low - t;
    if (t > fit.high) return t - fit.high;
    return 0.0;
}

}  // namespace

SaturationTorr critical_line_torr(const VapourPressureFit& last, double kelvin)
{
    const CriticalLine line = critical_line(last);
    const double share = (1.0 / kelvin - line.end_inverse) / (line.critical_inverse - line.end_inverse);
    return {std::exp(line.end_log + share * (line.critical_log - line.end_log)),
            line_runs_high_at_critical * std::clamp(share, 0.0, 1.0)};
}

SaturationTorr saturation_torr(std::int32_t compound, double kelvin)
{
    if (compound == compounds::liquid_water) {
        if (kelvin >= water_critical_kelvin) return {std::numeric_limits<double>::infinity(), 0.0};
        return {water_saturation_pressure_mpa(kelvin) * torr_per_mpa, 0.0};
    }
    const double t = kelvin - celsius_zero;
    const VapourPressureFit* nearest = nullptr;
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        if (fit.compound != compound) continue;
        if (kelvin >= fit.critical_kelvin) return {std::numeric_limits<double>::infinity(), 0.0};
        if (!has_antoine(fit)) continue;
        if (nearest == nullptr || distance_from_range(fit.antoine, t) < distance_from_range(nearest->antoine, t))
            nearest = &fit;
    }
    if (nearest == nullptr) return {std::numeric_limits<double>::quiet_NaN(), 0.0};
    if (nearest == last_row(compound) && t > nearest->antoine.high) return critical_line_torr(*nearest, kelvin);
    return {antoine_torr(nearest->antoine, t), 0.0};
}

double antoine_vapour_pressure_torr(std::int32_t compound, double kelvin)
{
    return saturation_torr(compound, kelvin).torr;
}

double antoine_boiling_kelvin(std::int32_t compound, double torr)
{
    if (compound == compounds::liquid_water) return water_saturation_kelvin(torr / torr_per_mpa);
    const VapourPressureFit* last = last_row(compound);
    if (last == nullptr) return std::numeric_limits<double>::quiet_NaN();
    const CriticalLine line = critical_line(*last);
    if (std::log(torr) > line.end_log && line.end_inverse > line.critical_inverse) {
        if (std::log(torr) >= line.critical_log) return std::numeric_limits<double>::quiet_NaN();
        const double share = (std::log(torr) - line.end_log) / (line.critical_log - line.end_log);
        return 1.0 / (line.end_inverse + share * (line.critical_inverse - line.end_inverse));
    }
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
