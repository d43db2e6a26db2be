#include "chemistry/table_rows.h"
#include "numbers/fundamental_constants.h"

PhysicalConstants tabulated_physical_constants()
{
    PhysicalConstants c;
    c.avogadro_number = avogadro_number_f;
    c.atomic_mass_unit = atomic_mass_unit_f;
    c.proton_mass = proton_mass_f;
    c.neutron_mass = neutron_mass_f;
    c.electron_mass = electron_mass_f;
    c.elementary_charge = elementary_charge_f;
    c.planck_constant = planck_constant_f;
    c.speed_of_light = speed_of_light_f;
    c.boltzmann_constant = boltzmann_constant_f;
    return c;
}
