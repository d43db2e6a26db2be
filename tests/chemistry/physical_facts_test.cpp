#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "chemistry/compound_records.h"
#include "chemistry/cubic_cells.h"
#include "chemistry/data_tables.h"
#include "chemistry/standard_potentials.h"
#include "chemistry/table_fields.h"
#include "chemistry/vapour_pressure_fits.h"
#include "numbers/electrochemical_constants.h"

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

// Each liquid boils at 760 torr, by its curve, where its boiling point is
// written; water's curve is the IAPWS-IF97 equation, which gives back the
// published check values of pressure and of temperature.
TEST(VapourPressureFits, GiveAnAtmosphereAtTheBoilingPoint)
{
    for (const VapourPressureFit& fit : vapour_pressure_fits) {
        if (fit.boiling.empty() || !has_vapour_fit(fit.compound)) continue;
        const double kelvin = std::stod(std::string(fit.boiling)) + 273.15;
        EXPECT_NEAR(antoine_vapour_pressure_torr(fit.compound, kelvin), 760.0, 10.0) << fit.compound;
    }
    EXPECT_EQ(&vapour_pressure_fit(compounds::liquid_water), &vapour_pressure_fits[5]);
    struct Check {
        double kelvin;
        double mpa;
    };
    constexpr Check pressures[] = {{300.0, 3.53658941e-3}, {500.0, 2.63889776}, {600.0, 12.3443146}};
    // Within half a unit of the ninth digit the check values print.
    for (const Check& c : pressures)
        EXPECT_NEAR(water_saturation_pressure_mpa(c.kelvin), c.mpa,
                    0.5e-8 * std::pow(10.0, std::floor(std::log10(c.mpa))));
    constexpr Check temperatures[] = {{372.755919, 0.1}, {453.035632, 1.0}, {584.149488, 10.0}};
    for (const Check& c : temperatures) EXPECT_NEAR(water_saturation_kelvin(c.mpa), c.kelvin, 1e-6);
    EXPECT_NEAR(water_vapour_pressure(300.0f), 3.53658941e-3f * 1e6f / 133.322368f, 1e-4f);
    EXPECT_TRUE(std::isinf(antoine_vapour_pressure_torr(compounds::liquid_water, water_critical_kelvin)));
}

// Each couple's ion and electrons are those its half-reaction writes, and
// its metal is the element table's name of the ion's element.
TEST(StandardPotentials, IonElectronsAndMetalAgreeWithTheHalfReaction)
{
    for (const StandardPotential& row : standard_potentials) {
        const std::string_view h = row.half_reaction;
        const std::size_t plus = h.find(" + ");
        std::string_view ion = h.substr(0, plus);
        std::int32_t ions = 1;
        if (ion.front() == '2') {
            ions = 2;
            ion.remove_prefix(1);
        }
        EXPECT_EQ(ion, row.ion) << h;
        const std::string_view electrons = h.substr(plus + 3, h.find(" = ") - plus - 3);
        EXPECT_EQ(electrons == "e" ? 1 : electrons.front() - '0', ions * row.electrons) << h;
        const std::string_view symbol = ion.substr(0, ion.find('@'));
        if (h.ends_with(symbol) || h.ends_with("H@d2@"))
            EXPECT_EQ(element_name(symbol_search(symbol.size() == 1 ? std::string(symbol) + " " : std::string(symbol))),
                      row.metal)
                << h;
        else
            EXPECT_EQ(row.metal, "") << h;
    }
}

}  // namespace
