#include "chemistry/cubic_cells.h"

#include <cmath>

#include "chemistry/data_tables.h"

float cubic_cell_edge(std::int32_t atoms, float molar_mass, float density)
{
    const float volume = static_cast<float>(atoms) * molar_mass / (density * physical_constants().avogadro_number);
    // cm to nm.
    return std::cbrt(volume) * 1.0e7f;
}
