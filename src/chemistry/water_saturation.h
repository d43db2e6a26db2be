// Water's saturation line by the IAPWS-IF97 equation (its region 4), from
// 0 °C to the critical point, 647.096 K.
#pragma once

// Its critical point (IAPWS, "Revised release on the critical parameters of
// ordinary water substance", 1992).
inline constexpr double water_critical_kelvin = 647.096;
inline constexpr double water_critical_mpa = 22.064;

// The saturation pressure in MPa at `kelvin`.
double water_saturation_pressure_mpa(double kelvin);

// The saturation temperature in kelvin at `mpa`, the equation's own inverse.
double water_saturation_kelvin(double mpa);
