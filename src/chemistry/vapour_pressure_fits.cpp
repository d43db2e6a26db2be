#include "chemistry/vapour_pressure_fits.h"

#include <cmath>

float vapour_pressure_torr(const VapourPressureFit& fit, float kelvin)
{
    const float p0 = fit.p0 * 0.007500617f;
    return p0 * std::exp(-fit.b / (8.314f * kelvin));
}

float water_vapour_pressure(float kelvin)
{
    return vapour_pressure_torr(vapour_pressure_fit(11), kelvin);
}
