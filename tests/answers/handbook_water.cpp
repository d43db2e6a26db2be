#include "handbook_water.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "chemistry/water_data.h"

namespace table_checks {

namespace {

constexpr double water_grams_per_mole = 18.015;         // g/mol, IUPAC standard atomic weights
constexpr double water_law_gas_constant = 8.314462618;  // J/(mol K), CODATA 2018
constexpr double water_fusion_joules = 6009.0;          // J/mol at 273.15 K
constexpr double water_vaporisation_joules = 40650.0;   // J/mol at 373.124 K

}  // namespace

// kJ/mol: melting at 0 °C, 333.55 J/g, and boiling at 100 °C, 2256.4 J/g,
// from IAPWS-95 (the steam tables), with the CRC Handbook's 6.01 and the
// NIST Chemistry WebBook's 40.66 as the other source.
Column water_heat_column()
{
    return {"water",
            "heats",
            0.003,
            Spread::absolute,
            {{"fusion enthalpy", 6.009, 6.01}, {"vaporisation enthalpy", 40.649, 40.66}}};
}

// J/(K mol): ice at 0 °C, 2.11 J/(g K) (CRC Handbook, "Properties of ice
// and supercooled water") to 2.097 J/(g K) (IAPWS 2006, ice Ih); liquid
// water's mean from 0 to 100 °C, (419.17 - 0.00) J/g over 100 K, and
// steam's at 1 atm from 100 to 200 °C, (2875.5 - 2675.8) J/g over 100 K,
// from IAPWS-95's steam tables. Within 0.5 % besides.
Column water_heat_capacity_column()
{
    return {"water",
            "heat capacities",
            0.005,
            Spread::relative,
            {{"ice heat capacity", 2.11 * water_grams_per_mole, 2.097 * water_grams_per_mole},
             {"liquid heat capacity", 4.1917 * water_grams_per_mole},
             {"steam heat capacity", 1.997 * water_grams_per_mole}}};
}

// cm3/mol at 0 °C and 1 atm, from the densities of ice, 0.9167 g/cm3, and
// of water, 0.99984 g/cm3 (CRC Handbook). Within 0.5 % besides.
Column water_volume_column()
{
    return {
        "water",
        "molar volumes",
        0.005,
        Spread::relative,
        {{"ice molar volume", water_grams_per_mole / 0.9167}, {"liquid molar volume", water_grams_per_mole / 0.99984}}};
}

Judgement water_judgement(Column (*column)())
{
    return by_handbook([column] {
        Judged judged{column(), {}};
        for (const WaterDatum& d : water_data)
            if (std::ranges::find(judged.column.rows, d.name, &Source::key) != judged.column.rows.end())
                judged.rows.emplace_back(std::string(d.name), std::string(d.text));
        return judged;
    });
}

// Ice Ih's heat capacity at its vapour pressure, J/(g K), every 10 K from
// 180 to 270 K: Gordon, NASA Technical Paper 1906 (1982), as Kutz's
// Mechanical Engineers' Handbook tabulates it (vol. 4, "Thermophysical
// properties of fluids", table 17). The line stands within 1.5 %, the
// parting of the sources at 0 °C (2.097 to 2.116).
Judgement ice_heat_capacity_judgement()
{
    return by_law("a + b t within 1.5 % of Gordon's ice, 180-270 K", [](std::int32_t& judged) {
        constexpr std::array<double, 10> measured{1.426, 1.495, 1.566, 1.638, 1.711, 1.785, 1.860, 1.936, 2.013, 2.091};
        std::vector<std::string> faults;
        for (std::size_t i = 0; i < measured.size(); ++i) {
            const double kelvin = 180.0 + 10.0 * static_cast<double>(i);
            const double line = water_value(WaterFact::ice_heat_capacity) +
                                water_value(WaterFact::ice_heat_capacity_slope) * (kelvin - 273.15);
            const double molar = measured[i] * water_grams_per_mole;
            ++judged;
            if (std::abs(line / molar - 1.0) > 0.015)
                faults.push_back("ice at " + text_of(kelvin) + " K: " + text_of(line) + " J/(K mol), measured " +
                                 text_of(molar));
        }
        return faults;
    });
}

// Within 0.3 %: the cryoscopic constant, 1.855, stands 0.25 % under the law's
// 1.860, the ebullioscopic, 0.514, 0.2 % over its 0.513.
Judgement water_constants_judgement()
{
    return by_law("K = R T² M / ΔH at the normal melting and boiling points, within 0.3 %", [](std::int32_t& judged) {
        std::vector<std::string> faults;
        const auto check = [&](WaterFact fact, double kelvin, double enthalpy) {
            const double law = water_law_gas_constant * kelvin * kelvin * water_grams_per_mole * 1e-3 / enthalpy;
            ++judged;
            if (std::abs(water_value(fact) / law - 1.0) > 0.003)
                faults.push_back(std::string(water_text(fact)) + " kg K/mol, law " + text_of(law));
        };
        check(WaterFact::cryoscopic_constant, 273.15, water_fusion_joules);
        check(WaterFact::ebullioscopic_constant, 373.124, water_vaporisation_joules);
        return faults;
    });
}

}  // namespace table_checks
