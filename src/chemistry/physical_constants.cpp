#include "chemistry/table_rows.h"

#include <charconv>

namespace {

// The float nearest the decimal, whatever the locale.
float float_of(std::string_view text)
{
    float value = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

PhysicalConstants tabulated_physical_constants()
{
    PhysicalConstants c;
    c.avogadro_number = float_of(avogadro_number_text);
    c.atomic_mass_unit = 1.660539e-27f;
    c.proton_mass = 1.6726216e-27f;
    c.neutron_mass = 1.6749273e-27f;
    c.electron_mass = 9.109384e-31f;
    c.elementary_charge = 1.6021766e-19f;
    c.planck_constant = 6.62607015e-34f;
    // 299 792 458 m/s to the seven digits shown: the float nearest the exact
    // value, 299 792 448, would round to 2.997924e8.
    c.speed_of_light = 2.997925e8f;
    c.boltzmann_constant = float_of(boltzmann_constant_text);
    return c;
}
