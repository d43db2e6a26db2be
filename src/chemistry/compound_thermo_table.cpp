// Standard formation data at 25 C of the records that carry them: enthalpy
// and free energy in kJ/mol, entropy and heat capacity in J/(mol K), state.
#include "chemistry/table_rows.h"

#include <array>

#include "chemistry/compound_records.h"

namespace {

// clang-format off
constexpr std::array<CompoundThermoRow, 53> thermo_rows{{
    {compounds::nitrogen,             "0.0",     "0.0",     "191.6",  "29.1",   'g'},
    {compounds::oxygen,               "0.0",     "0.0",     "205.2",  "29.4",   'g'},
    {compounds::chlorine,             "0.0",     "0.0",     "223.0",  "33.9",   'g'},
    {compounds::bromine,              "30.9",    "3.1",     "245.5",  "36.0",   'g'},
    {compounds::iodine,               "62.4",    "19.3",    "260.7",  "36.9",   'g'},
    {compounds::white_phosphorus,     "0.0",     "0.0",     "164.4",  "95.2",   's'},
    {compounds::hydrogen,             "0.0",     "0.0",     "130.7",  "28.8",   'g'},
    {compounds::liquid_water,         "-285.8",  "-237.1",  "70.0",   "75.3",   'l'},
    {compounds::ammonia,              "-45.9",   "-16.4",   "192.8",  "35.1",   'g'},
    {compounds::hydrogen_peroxide,    "-187.8",  "-120.4",  "109.6",  "89.1",   'l'},
    {compounds::carbon_monoxide,      "-110.5",  "-137.2",  "197.7",  "29.1",   'g'},
    {compounds::carbon_dioxide,       "-393.5",  "-394.4",  "213.8",  "37.1",   'g'},
    {compounds::nitric_oxide,         "90.3",    "86.6",    "210.7",  "29.9",   'g'},
    {compounds::nitrogen_dioxide,     "33.2",    "51.3",    "240.0",  "37.2",   'g'},
    {compounds::sulfur_dioxide,       "-296.8",  "-300.2",  "248.1",  "39.9",   'g'},
    {compounds::sulfur_trioxide,      "-395.6",  "-371.1",  "256.6",  "50.7",   'g'},
    {compounds::phosphorus_decaoxide, "-2984.",  "-2698.",  "228.9",  "211.7",  's'},
    {compounds::zinc_oxide,           "-350.5",  "-320.5",  "43.6",   "40.3",   's'},
    {compounds::barium_oxide,         "-548.0",  "-520.3",  "72.1",   "47.3",   's'},
    {compounds::aluminium_oxide,      "-1676.",  "-1582.",  "50.9",   "79.0",   's'},
    {compounds::iron_iii_oxide,       "-824.2",  "-742.2",  "87.4",   "103.9",  's'},
    {compounds::lead_monoxide,        "-217.3",  "-187.9",  "68.7",   "45.8",   's'},
    {compounds::nitrous_oxide,        "82.1",    "104.2",   "219.7",  "38.6",   'g'},
    {compounds::sodium_hydroxide,     "-425.6",  "-379.5",  "64.5",   "59.5",   's'},
    {compounds::phosphoric_acid,      "-1281.",  "-1119.",  "110.5",  "106.1",  's'},
    {compounds::hydrogen_chloride,    "-92.3",   "-95.3",   "186.8",  "29.1",   'g'},
    {compounds::hydrogen_iodide,      "26.5",    "1.7",     "206.6",  "29.2",   'g'},
    {compounds::hydrogen_sulfide,     "-20.6",   "-33.6",   "205.7",  "34.2",   'g'},
    {compounds::potassium_chloride,   "-436.5",  "-408.8",  "82.6",   "51.3",   's'},
    {compounds::barium_chloride,      "-855.0",  "-806.7",  "123.7",  "75.1",   's'},
    {compounds::aluminium_chloride,   "-704.2",  "-628.9",  "110.7",  "91.1",   's'},
    {compounds::lead_sulfide,         "-100.4",  "-98.7",   "91.2",   "49.5",   's'},
    {compounds::zinc_sulfide,         "-205.6",  "-201.3",  "57.7",   "46.0",   's'},
    {compounds::hydrazine,            "50.6",    "149.2",   "121.2",  "98.9",   'l'},
    {compounds::water_vapour,         "-241.8",  "-228.6",  "188.8",  "33.6",   'g'},
    {compounds::potassium_chlorate,   "-397.7",  "-296.3",  "143.1",  "100.3",  's'},
    {compounds::methane,              "-74.5",   "-50.5",   "186.3",  "35.7",   'g'},
    {compounds::ethane,               "-84.0",   "-32.0",   "229.2",  "52.5",   'g'},
    {compounds::propane,              "-103.8",  "-23.4",   "270.3",  "73.6",   'g'},
    {compounds::methanol,             "-239.2",  "-166.6",  "126.8",  "81.1",   'l'},
    {compounds::sodium,               "0.0",     "0.0",     "51.2",   "28.2",   's'},
    {compounds::aluminium,            "0.0",     "0.0",     "28.3",   "24.4",   's'},
    {compounds::manganese,            "0.0",     "0.0",     "32.0",   "26.3",   's'},
    {compounds::copper,               "0.0",     "0.0",     "33.2",   "24.4",   's'},
    {compounds::iron,                 "0.0",     "0.0",     "27.3",   "25.1",   's'},
    {compounds::silver,               "0.0",     "0.0",     "42.6",   "25.4",   's'},
    {compounds::gold,                 "0.0",     "0.0",     "47.4",   "25.4",   's'},
    {compounds::lead,                 "0.0",     "0.0",     "64.8",   "26.4",   's'},
    {compounds::zinc,                 "0.0",     "0.0",     "41.6",   "25.4",   's'},
    {compounds::ethylene,             "52.4",    "68.4",    "219.3",  "42.9",   'g'},
    {compounds::propene,              "20.4",    "62.8",    "267.0",  "63.9",   'g'},
    {compounds::phosgene,             "-219.1",  "-204.9",  "283.5",  "57.7",   'g'},
    {compounds::nitrosyl_bromide,     "82.2",    "82.4",    "273.7",  "45.5",   'g'},
}};
// clang-format on

}  // namespace

std::span<const CompoundThermoRow> compound_thermo_rows()
{
    return thermo_rows;
}
