// How volatile a molecule of a given molar mass can be: the n-alkane of that
// mass, the most volatile family of organic molecules for its mass.
#pragma once

// Saturation pressure (torr) at `celsius` of the n-alkane CxH2x+2 whose molar
// mass is `molar_mass` g/mol, x not necessarily whole: log10 P read linearly
// in x between the neighbouring n-alkanes' Antoine fits, C1 to C18, and on
// the line through C17 and C18 past it.
double alkane_saturation_torr(double molar_mass, double celsius);
