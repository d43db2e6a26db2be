// The compound records that tables and generators key by number, named once.
// Each name carries the formula its record holds, and the compound table
// checks every name against its record when it is compiled, so a mistyped
// number is a build error rather than another gas.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct CompoundKey {
    std::int32_t record;
    std::string_view formula;  // as in the record; blank for a code past the table

    constexpr operator std::int32_t() const { return record; }
};

namespace compounds {

inline constexpr CompoundKey nitrogen{1, "N@d2@"};
inline constexpr CompoundKey oxygen{2, "O@d2@"};
inline constexpr CompoundKey fluorine{3, "F@d2@"};
inline constexpr CompoundKey chlorine{4, "Cl@d2@"};
inline constexpr CompoundKey bromine{5, "Br@d2@"};
inline constexpr CompoundKey iodine{6, "I@d2@"};
inline constexpr CompoundKey white_phosphorus{7, "P@d4@"};
inline constexpr CompoundKey hydrogen{8, "H@d2@"};
inline constexpr CompoundKey liquid_water{11, "H@d2@O"};
inline constexpr CompoundKey ammonia{12, "NH@d3@"};
inline constexpr CompoundKey hydrogen_peroxide{13, "H@d2@O@d2@"};
inline constexpr CompoundKey phosphorus_trifluoride{15, "PF@d3@"};
inline constexpr CompoundKey sodium_oxide{21, "Na@d2@O"};
inline constexpr CompoundKey carbon_monoxide{23, "CO"};
inline constexpr CompoundKey carbon_dioxide{24, "CO@d2@"};
inline constexpr CompoundKey nitric_oxide{25, "NO"};
inline constexpr CompoundKey nitrogen_dioxide{26, "NO@d2@"};
inline constexpr CompoundKey sulfur_dioxide{27, "SO@d2@"};
inline constexpr CompoundKey sulfur_trioxide{28, "SO@d3@"};
inline constexpr CompoundKey phosphorus_decaoxide{33, "P@d4@O@d10@"};
inline constexpr CompoundKey zinc_oxide{36, "ZnO"};
inline constexpr CompoundKey barium_oxide{38, "BaO"};
inline constexpr CompoundKey aluminium_oxide{39, "Al@d2@O@d3@"};
inline constexpr CompoundKey iron_iii_oxide{40, "Fe@d2@O@d3@"};
inline constexpr CompoundKey potassium_oxide{41, "K@d2@O"};
inline constexpr CompoundKey lead_monoxide{43, "PbO"};
inline constexpr CompoundKey nitrous_oxide{48, "N@d2@O"};
inline constexpr CompoundKey sodium_hydroxide{53, "NaOH"};
inline constexpr CompoundKey sulfuric_acid{75, "H@d2@SO@d4@"};
inline constexpr CompoundKey phosphoric_acid{88, "H@d3@PO@d4@"};
inline constexpr CompoundKey hydrogen_fluoride{91, "HF"};
inline constexpr CompoundKey hydrogen_chloride{92, "HCl"};
inline constexpr CompoundKey hydrogen_iodide{94, "HI"};
inline constexpr CompoundKey hydrogen_sulfide{95, "H@d2@S"};
inline constexpr CompoundKey sodium_chloride{101, "NaCl"};
inline constexpr CompoundKey potassium_chloride{102, "KCl"};
inline constexpr CompoundKey calcium_chloride{103, "CaCl@d2@"};
inline constexpr CompoundKey barium_chloride{104, "BaCl@d2@"};
inline constexpr CompoundKey copper_ii_chloride{108, "CuCl@d2@"};
inline constexpr CompoundKey zinc_chloride{109, "ZnCl@d2@"};
inline constexpr CompoundKey silver_chloride{111, "AgCl"};
inline constexpr CompoundKey aluminium_chloride{113, "AlCl@d3@"};
inline constexpr CompoundKey calcium_fluoride{118, "CaF@d2@"};
inline constexpr CompoundKey barium_fluoride{119, "BaF@d2@"};
inline constexpr CompoundKey sodium_bromide{121, "NaBr"};
inline constexpr CompoundKey potassium_bromide{122, "KBr"};
inline constexpr CompoundKey silver_bromide{125, "AgBr"};
inline constexpr CompoundKey sodium_sulfide{131, "Na@d2@S"};
inline constexpr CompoundKey potassium_sulfide{132, "K@d2@S"};
inline constexpr CompoundKey lead_sulfide{135, "PbS"};
inline constexpr CompoundKey zinc_sulfide{140, "ZnS"};
inline constexpr CompoundKey calcium_sulfide{143, "CaS"};
inline constexpr CompoundKey barium_sulfate{183, "BaSO@d4@"};
inline constexpr CompoundKey hydrazine{234, "N@d2@H@d4@"};
// Water's second record, its vapour, with the same formula.
inline constexpr CompoundKey water_vapour{236, "H@d2@O"};
inline constexpr CompoundKey potassium_chlorate{260, "KClO@d3@"};
inline constexpr CompoundKey caesium_chloride{274, "CsCl"};
inline constexpr CompoundKey magnesium_oxide{275, "MgO"};
inline constexpr CompoundKey nickel_oxide{276, "NiO"};
inline constexpr CompoundKey benzene{301, "C@d6@H@d6@"};
inline constexpr CompoundKey toluene{302, "C@d6@H@d5@CH@d3@"};
inline constexpr CompoundKey methane{303, "CH@d4@"};
inline constexpr CompoundKey ethane{304, "C@d2@H@d6@"};
inline constexpr CompoundKey propane{305, "C@d3@H@d8@"};
inline constexpr CompoundKey butane{306, "C@d4@H@d10@"};
inline constexpr CompoundKey hexane{307, "C@d6@H@d14@"};
inline constexpr CompoundKey heptane{308, "C@d7@H@d16@"};
inline constexpr CompoundKey cyclohexane{309, "C@d6@H@d12@"};
inline constexpr CompoundKey methanol{311, "CH@d3@OH"};
inline constexpr CompoundKey ethanol{312, "CH@d3@CH@d2@OH"};
inline constexpr CompoundKey formic_acid{331, "HCOOH"};
inline constexpr CompoundKey acetic_acid{332, "CH@d3@COOH"};
inline constexpr CompoundKey benzoic_acid{333, "C@d6@H@d5@COOH"};
inline constexpr CompoundKey acetone{361, "CH@d3@COCH@d3@"};
inline constexpr CompoundKey chloroform{373, "CHCl@d3@"};
inline constexpr CompoundKey carbon_tetrachloride{374, "CCl@d4@"};
inline constexpr CompoundKey bromobenzene{377, "C@d6@H@d5@Br"};
inline constexpr CompoundKey aniline{382, "C@d6@H@d5@NH@d2@"};
inline constexpr CompoundKey diethyl_ether{401, "CH@d3@CH@d2@OCH@d2@CH@d3@"};
inline constexpr CompoundKey ethylene{421, "C@d2@H@d4@"};
inline constexpr CompoundKey acetylene{422, "C@d2@H@d2@"};
inline constexpr CompoundKey propene{423, "C@d3@H@d6@"};
inline constexpr CompoundKey sodium{452, "Na"};
inline constexpr CompoundKey aluminium{453, "Al"};
inline constexpr CompoundKey mercury{455, "Hg"};
inline constexpr CompoundKey helium{457, "He"};
inline constexpr CompoundKey neon{458, "Ne"};
inline constexpr CompoundKey argon{459, "Ar"};
inline constexpr CompoundKey copper{460, "Cu"};
inline constexpr CompoundKey iron{461, "Fe"};
inline constexpr CompoundKey xenon{462, "Xe"};
inline constexpr CompoundKey lead{465, "Pb"};
inline constexpr CompoundKey krypton{466, "Kr"};
inline constexpr CompoundKey zinc{467, "Zn"};
inline constexpr CompoundKey phosgene{471, "COCl@d2@"};
inline constexpr CompoundKey nitrosyl_bromide{472, "NOBr"};
// Liquids the pages name that the table does not hold: codes past its records.
inline constexpr CompoundKey carbon_disulfide{501, ""};
inline constexpr CompoundKey pentane{502, ""};

// Every name above, for the table's check.
inline constexpr std::array<CompoundKey, 98> named{{nitrogen,
                                                    oxygen,
                                                    fluorine,
                                                    chlorine,
                                                    bromine,
                                                    iodine,
                                                    white_phosphorus,
                                                    hydrogen,
                                                    liquid_water,
                                                    ammonia,
                                                    hydrogen_peroxide,
                                                    phosphorus_trifluoride,
                                                    sodium_oxide,
                                                    carbon_monoxide,
                                                    carbon_dioxide,
                                                    nitric_oxide,
                                                    nitrogen_dioxide,
                                                    sulfur_dioxide,
                                                    sulfur_trioxide,
                                                    phosphorus_decaoxide,
                                                    zinc_oxide,
                                                    barium_oxide,
                                                    aluminium_oxide,
                                                    iron_iii_oxide,
                                                    potassium_oxide,
                                                    lead_monoxide,
                                                    nitrous_oxide,
                                                    sodium_hydroxide,
                                                    sulfuric_acid,
                                                    phosphoric_acid,
                                                    hydrogen_fluoride,
                                                    hydrogen_chloride,
                                                    hydrogen_iodide,
                                                    hydrogen_sulfide,
                                                    sodium_chloride,
                                                    potassium_chloride,
                                                    calcium_chloride,
                                                    barium_chloride,
                                                    copper_ii_chloride,
                                                    zinc_chloride,
                                                    silver_chloride,
                                                    aluminium_chloride,
                                                    calcium_fluoride,
                                                    barium_fluoride,
                                                    sodium_bromide,
                                                    potassium_bromide,
                                                    silver_bromide,
                                                    sodium_sulfide,
                                                    potassium_sulfide,
                                                    lead_sulfide,
                                                    zinc_sulfide,
                                                    calcium_sulfide,
                                                    barium_sulfate,
                                                    hydrazine,
                                                    water_vapour,
                                                    potassium_chlorate,
                                                    caesium_chloride,
                                                    magnesium_oxide,
                                                    nickel_oxide,
                                                    benzene,
                                                    toluene,
                                                    methane,
                                                    ethane,
                                                    propane,
                                                    butane,
                                                    hexane,
                                                    heptane,
                                                    cyclohexane,
                                                    methanol,
                                                    ethanol,
                                                    formic_acid,
                                                    acetic_acid,
                                                    benzoic_acid,
                                                    acetone,
                                                    chloroform,
                                                    carbon_tetrachloride,
                                                    bromobenzene,
                                                    aniline,
                                                    diethyl_ether,
                                                    ethylene,
                                                    acetylene,
                                                    propene,
                                                    sodium,
                                                    aluminium,
                                                    mercury,
                                                    helium,
                                                    neon,
                                                    argon,
                                                    copper,
                                                    iron,
                                                    xenon,
                                                    lead,
                                                    krypton,
                                                    zinc,
                                                    phosgene,
                                                    nitrosyl_bromide,
                                                    carbon_disulfide,
                                                    pentane}};

}  // namespace compounds

// No two names share a record.
static_assert([] {
    for (std::size_t i = 0; i < compounds::named.size(); ++i)
        for (std::size_t j = i + 1; j < compounds::named.size(); ++j)
            if (compounds::named[i].record == compounds::named[j].record) return false;
    return true;
}());
