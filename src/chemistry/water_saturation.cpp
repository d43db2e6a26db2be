#include "chemistry/water_saturation.h"

#include <array>
#include <cmath>

namespace {

// The ten coefficients of the equation, n1 to n10.
constexpr std::array<double, 10> n = {
    0.11670521452767e4, -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5, -0.32325550322333e7,
    0.14915108613530e2, -0.48232657361591e4, 0.40511340542057e6,  -0.23855557567849,  0.65017534844798e3,
};

}  // namespace

double water_saturation_pressure_mpa(double kelvin)
{
    const double theta = kelvin + n[8] / (kelvin - n[9]);
    const double a = theta * theta + n[0] * theta + n[1];
    const double b = n[2] * theta * theta + n[3] * theta + n[4];
    const double c = n[5] * theta * theta + n[6] * theta + n[7];
    return std::pow(2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c)), 4);
}

double water_saturation_kelvin(double mpa)
{
    const double beta = std::pow(mpa, 0.25);
    const double e = beta * beta + n[2] * beta + n[5];
    const double f = n[0] * beta * beta + n[3] * beta + n[6];
    const double g = n[1] * beta * beta + n[4] * beta + n[7];
    const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
    return (n[9] + d - std::sqrt((n[9] + d) * (n[9] + d) - 4.0 * (n[8] + n[9] * d))) / 2.0;
}
