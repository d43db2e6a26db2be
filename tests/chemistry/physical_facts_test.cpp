#include <gtest/gtest.h>

#include <cmath>
#include <span>
#include <string>

#include "chemistry/cubic_cells.h"
#include "chemistry/data_tables.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"

namespace {

float table_value(std::int32_t z, int first, int last)
{
    return std::stof(element_field(z, first, last));
}

// The table's density (g/cm³) and atomic mass of each cubic metal give back
// its measured cell edge, and the edge's cube gives back the atoms' volume
// (a cube root taken as a power of 0.333333 misses it by 2e-5).
TEST(CubicCells, EdgesOfTheTableMetals)
{
    struct Case {
        std::string_view symbol;
        std::int32_t atoms;
        float edge;  // nm, measured
    };
    for (const Case& c :
         {Case{"Fe", 2, 0.2867f}, Case{"Na", 2, 0.4291f}, Case{"Cu", 4, 0.3615f}, Case{"Au", 4, 0.4078f}}) {
        const std::int32_t z = symbol_search(c.symbol);
        const float mass = table_value(z, 21, 30);
        const float density = table_value(z, 34, 40);
        const float edge = cubic_cell_edge(c.atoms, mass, density);
        EXPECT_NEAR(edge, c.edge, 0.004f) << c.symbol;
        const double volume = static_cast<double>(c.atoms) * mass / (density * physical_constants().avogadro_number);
        EXPECT_NEAR(std::pow(edge * 1.0e-7, 3.0) / volume, 1.0, 2.0e-6) << c.symbol;
    }
    for (const auto& list : {std::span<const std::string_view>(body_centred_metals),
                             std::span<const std::string_view>(face_centred_metals)})
        for (const std::string_view symbol : list) EXPECT_LE(symbol_search(symbol), 100) << symbol;
}

// Each fit boils at 760 torr where its boiling point is; benzene's and
// toluene's boiling points are the handbook's.
TEST(VapourPressureFits, GiveAnAtmosphereAtTheBoilingPoint)
{
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        float boiling = fit.compound == 301 ? 80.1f : fit.compound == 302 ? 110.6f : 0.0f;
        if (!fit.boiling.empty()) boiling = std::stof(std::string(fit.boiling));
        EXPECT_NEAR(vapour_pressure_torr(fit, boiling + 273.15f), 760.0f, 10.0f) << fit.compound;
    }
    EXPECT_EQ(&vapour_pressure_fit(11), &vapour_pressure_fits[5]);
    EXPECT_NEAR(water_vapour_pressure(298.15f), 23.8f, 1.0f);
}

}  // namespace
