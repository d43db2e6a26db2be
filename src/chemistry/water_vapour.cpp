#include "chemistry/water_vapour.h"

#include <cmath>

float water_vapour_pressure(float kelvin)
{
    return std::exp(-43086.1f / (8.314f * kelvin)) * 8.175673e8f;
}
