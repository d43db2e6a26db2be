// Standard formation data at 25 C of the records that carry them: enthalpy
// and free energy in kJ/mol, entropy and heat capacity in J/(mol K), state.
#include "chemistry/table_rows.h"

#include <array>

#include "chemistry/compound_records.h"

namespace {

using namespace compounds;

// clang-format off
constexpr std::array<CompoundThermoRow, 53> rows{{
    {nitrogen,             "0.0",     "0.0",     "191.6",  "29.1",   'g'},
    {oxygen,               "0.0",     "0.0",     "205.2",  "29.4",   'g'},
    {chlorine,             "0.0",     "0.0",     "223.0",  "33.9",   'g'},
    {bromine,              "30.9",    "3.1",     "245.5",  "36.0",   'g'},
    {iodine,               "62.4",    "19.3",    "260.7",  "36.9",   'g'},
    {white_phosphorus,     "0.0",     "0.0",     "164.4",  "95.2",   's'},
    {hydrogen,             "0.0",     "0.0",     "130.7",  "28.8",   'g'},
    {liquid_water,         "-285.8",  "-237.1",  "70.0",   "75.3",   'l'},
    {ammonia,              "-45.9",   "-16.4",   "192.8",  "35.1",   'g'},
    {hydrogen_peroxide,    "-187.8",  "-120.4",  "109.6",  "89.1",   'l'},
    {carbon_monoxide,      "-110.5",  "-137.2",  "197.7",  "29.1",   'g'},
    {carbon_dioxide,       "-393.5",  "-394.4",  "213.8",  "37.1",   'g'},
    {nitric_oxide,         "90.3",    "86.6",    "210.7",  "29.9",   'g'},
    {nitrogen_dioxide,     "33.2",    "51.3",    "240.0",  "37.2",   'g'},
    {sulfur_dioxide,       "-296.8",  "-300.2",  "248.1",  "39.9",   'g'},
    {sulfur_trioxide,      "-395.6",  "-371.1",  "256.6",  "50.7",   'g'},
    {phosphorus_decaoxide, "-2984.",  "-2698.",  "228.9",  "211.7",  's'},
    {zinc_oxide,           "-350.5",  "-320.5",  "43.6",   "40.3",   's'},
    {barium_oxide,         "-548.0",  "-520.3",  "72.1",   "47.3",   's'},
    {aluminium_oxide,      "-1676.",  "-1582.",  "50.9",   "79.0",   's'},
    {iron_iii_oxide,       "-824.2",  "-742.2",  "87.4",   "103.9",  's'},
    {lead_monoxide,        "-217.3",  "-187.9",  "68.7",   "45.8",   's'},
    {nitrous_oxide,        "82.1",    "104.2",   "219.7",  "38.6",   'g'},
    {sodium_hydroxide,     "-425.6",  "-379.5",  "64.5",   "59.5",   's'},
    {phosphoric_acid,      "-1281.",  "-1119.",  "110.5",  "106.1",  's'},
    {hydrogen_chloride,    "-92.3",   "-95.3",   "186.8",  "29.1",   'g'},
    {hydrogen_iodide,      "26.5",    "1.7",     "206.6",  "29.2",   'g'},
    {hydrogen_sulfide,     "-20.6",   "-33.6",   "205.7",  "34.2",   'g'},
    {potassium_chloride,   "-436.5",  "-408.8",  "82.6",   "51.3",   's'},
    {barium_chloride,      "-855.0",  "-806.7",  "123.7",  "75.1",   's'},
    {aluminium_chloride,   "-704.2",  "-628.9",  "110.7",  "91.1",   's'},
    {lead_sulfide,         "-100.4",  "-98.7",   "91.2",   "49.5",   's'},
    {zinc_sulfide,         "-205.6",  "-201.3",  "57.7",   "46.0",   's'},
    {hydrazine,            "50.6",    "149.2",   "121.2",  "98.9",   'l'},
    {water_vapour,         "-241.8",  "-228.6",  "188.8",  "33.6",   'g'},
    {potassium_chlorate,   "-397.7",  "-296.3",  "143.1",  "100.3",  's'},
    {methane,              "-74.5",   "-50.5",   "186.3",  "35.7",   'g'},
    {ethane,               "-84.0",   "-32.0",   "229.2",  "52.5",   'g'},
    {propane,              "-103.8",  "-23.4",   "270.3",  "73.6",   'g'},
    {methanol,             "-239.2",  "-166.6",  "126.8",  "81.1",   'l'},
    {sodium,               "0.0",     "0.0",     "51.2",   "28.2",   's'},
    {aluminium,            "0.0",     "0.0",     "28.3",   "24.4",   's'},
    {manganese,            "0.0",     "0.0",     "32.0",   "26.3",   's'},
    {copper,               "0.0",     "0.0",     "33.2",   "24.4",   's'},
    {iron,                 "0.0",     "0.0",     "27.3",   "25.1",   's'},
    {silver,               "0.0",     "0.0",     "42.6",   "25.4",   's'},
    {gold,                 "0.0",     "0.0",     "47.4",   "25.4",   's'},
    {lead,                 "0.0",     "0.0",     "64.8",   "26.4",   's'},
    {zinc,                 "0.0",     "0.0",     "41.6",   "25.4",   's'},
    {ethylene,             "52.4",    "68.4",    "219.3",  "42.9",   'g'},
    {propene,              "20.4",    "62.8",    "267.0",  "63.9",   'g'},
    {phosgene,             "-219.1",  "-204.9",  "283.5",  "57.7",   'g'},
    {nitrosyl_bromide,     "82.2",    "82.4",    "273.7",  "45.5",   'g'},
}};
// clang-format on

}  // namespace

std::span<const CompoundThermoRow> compound_thermo_rows()
{
    return rows;
}
