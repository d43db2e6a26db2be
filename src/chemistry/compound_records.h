// The compound records that tables and generators key by number, named once.
// Each name carries the formula its record holds, and the compound table
// checks every name against its record when it is compiled, so a mistyped
// number is a build error rather than another gas. A key is made by a name
// only: a table row keyed by a bare number does not compile.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <type_traits>

// Every name, its record and the record's formula, once: the one list makes
// both the names and the list the compound table checks, so no name escapes
// the check. Water's vapour is its second record, with the same formula.
// Codes past the table (blank formula) stand for liquids the pages name that
// the table does not hold.
#define COMPOUND_NAMES(X)                                                                                              \
    X(nitrogen, 1, "N@d2@")                                                                                            \
    X(oxygen, 2, "O@d2@")                                                                                              \
    X(fluorine, 3, "F@d2@")                                                                                            \
    X(chlorine, 4, "Cl@d2@")                                                                                           \
    X(bromine, 5, "Br@d2@")                                                                                            \
    X(iodine, 6, "I@d2@")                                                                                              \
    X(white_phosphorus, 7, "P@d4@")                                                                                    \
    X(hydrogen, 8, "H@d2@")                                                                                            \
    X(liquid_water, 11, "H@d2@O")                                                                                      \
    X(ammonia, 12, "NH@d3@")                                                                                           \
    X(hydrogen_peroxide, 13, "H@d2@O@d2@")                                                                             \
    X(boron_trifluoride, 14, "BF@d3@")                                                                                 \
    X(phosphorus_trifluoride, 15, "PF@d3@")                                                                            \
    X(sodium_oxide, 21, "Na@d2@O")                                                                                     \
    X(carbon_monoxide, 23, "CO")                                                                                       \
    X(carbon_dioxide, 24, "CO@d2@")                                                                                    \
    X(nitric_oxide, 25, "NO")                                                                                          \
    X(nitrogen_dioxide, 26, "NO@d2@")                                                                                  \
    X(sulfur_dioxide, 27, "SO@d2@")                                                                                    \
    X(sulfur_trioxide, 28, "SO@d3@")                                                                                   \
    X(dinitrogen_trioxide, 30, "N@d2@O@d3@")                                                                           \
    X(dinitrogen_pentoxide, 31, "N@d2@O@d5@")                                                                          \
    X(phosphorus_decaoxide, 33, "P@d4@O@d10@")                                                                         \
    X(zinc_oxide, 36, "ZnO")                                                                                           \
    X(arsenic_pentoxide, 37, "As@d2@O@d5@")                                                                            \
    X(barium_oxide, 38, "BaO")                                                                                         \
    X(aluminium_oxide, 39, "Al@d2@O@d3@")                                                                              \
    X(iron_iii_oxide, 40, "Fe@d2@O@d3@")                                                                               \
    X(potassium_oxide, 41, "K@d2@O")                                                                                   \
    X(arsenic_trioxide, 42, "As@d2@O@d3@")                                                                             \
    X(lead_monoxide, 43, "PbO")                                                                                        \
    X(nitrous_oxide, 48, "N@d2@O")                                                                                     \
    X(lithium_hydroxide, 51, "LiOH")                                                                                   \
    X(potassium_hydroxide, 52, "KOH")                                                                                  \
    X(sodium_hydroxide, 53, "NaOH")                                                                                    \
    X(caesium_hydroxide, 54, "CsOH")                                                                                   \
    X(calcium_hydroxide, 56, "Ca(OH)@d2@")                                                                             \
    X(barium_hydroxide, 57, "Ba(OH)@d2@")                                                                              \
    X(zinc_hydroxide, 63, "Zn(OH)@d2@")                                                                                \
    X(nitrous_acid, 71, "HNO@d2@")                                                                                     \
    X(nitric_acid, 72, "HNO@d3@")                                                                                      \
    X(sulfurous_acid, 74, "H@d2@SO@d3@")                                                                               \
    X(sulfuric_acid, 75, "H@d2@SO@d4@")                                                                                \
    X(arsenic_acid, 77, "H@d3@AsO@d4@")                                                                                \
    X(hypobromous_acid, 78, "HBrO")                                                                                    \
    X(perchloric_acid, 87, "HClO@d4@")                                                                                 \
    X(phosphoric_acid, 88, "H@d3@PO@d4@")                                                                              \
    X(phosphorous_acid, 89, "H@d3@PO@d3@")                                                                             \
    X(hydrogen_fluoride, 91, "HF")                                                                                     \
    X(hydrogen_chloride, 92, "HCl")                                                                                    \
    X(hydrogen_bromide, 93, "HBr")                                                                                     \
    X(hydrogen_iodide, 94, "HI")                                                                                       \
    X(hydrogen_sulfide, 95, "H@d2@S")                                                                                  \
    X(sodium_chloride, 101, "NaCl")                                                                                    \
    X(potassium_chloride, 102, "KCl")                                                                                  \
    X(calcium_chloride, 103, "CaCl@d2@")                                                                               \
    X(barium_chloride, 104, "BaCl@d2@")                                                                                \
    X(tin_ii_chloride, 105, "SnCl@d2@")                                                                                \
    X(iron_ii_chloride, 106, "FeCl@d2@")                                                                               \
    X(iron_iii_chloride, 107, "FeCl@d3@")                                                                              \
    X(copper_ii_chloride, 108, "CuCl@d2@")                                                                             \
    X(zinc_chloride, 109, "ZnCl@d2@")                                                                                  \
    X(lead_chloride, 110, "PbCl@d2@")                                                                                  \
    X(silver_chloride, 111, "AgCl")                                                                                    \
    X(aluminium_chloride, 113, "AlCl@d3@")                                                                             \
    X(sodium_fluoride, 116, "NaF")                                                                                     \
    X(potassium_fluoride, 117, "KF")                                                                                   \
    X(calcium_fluoride, 118, "CaF@d2@")                                                                                \
    X(barium_fluoride, 119, "BaF@d2@")                                                                                 \
    X(sodium_bromide, 121, "NaBr")                                                                                     \
    X(potassium_bromide, 122, "KBr")                                                                                   \
    X(silver_bromide, 125, "AgBr")                                                                                     \
    X(sodium_iodide, 126, "NaI")                                                                                       \
    X(potassium_iodide, 127, "KI")                                                                                     \
    X(silver_iodide, 130, "AgI")                                                                                       \
    X(sodium_sulfide, 131, "Na@d2@S")                                                                                  \
    X(potassium_sulfide, 132, "K@d2@S")                                                                                \
    X(lead_sulfide, 135, "PbS")                                                                                        \
    X(antimony_trisulfide, 137, "Sb@d2@S@d3@")                                                                         \
    X(arsenic_trisulfide, 138, "As@d2@S@d3@")                                                                          \
    X(copper_ii_sulfide, 139, "CuS")                                                                                   \
    X(zinc_sulfide, 140, "ZnS")                                                                                        \
    X(manganese_sulfide, 141, "MnS")                                                                                   \
    X(silver_sulfide, 142, "Ag@d2@S")                                                                                  \
    X(calcium_sulfide, 143, "CaS")                                                                                     \
    X(ammonium_sulfide, 146, "(NH@d4@)@d2@S")                                                                          \
    X(sodium_carbonate, 151, "Na@d2@CO@d3@")                                                                           \
    X(potassium_carbonate, 152, "K@d2@CO@d3@")                                                                         \
    X(magnesium_carbonate, 153, "MgCO@d3@")                                                                            \
    X(calcium_carbonate, 154, "CaCO@d3@")                                                                              \
    X(barium_carbonate, 155, "BaCO@d3@")                                                                               \
    X(zinc_carbonate, 156, "ZnCO@d3@")                                                                                 \
    X(sodium_hydrogen_carbonate, 161, "NaHCO@d3@")                                                                     \
    X(potassium_hydrogen_carbonate, 162, "KHCO@d3@")                                                                   \
    X(sodium_sulfate, 171, "Na@d2@SO@d4@")                                                                             \
    X(ammonium_sulfate, 172, "(NH@d4@)@d2@SO@d4@")                                                                     \
    X(aluminium_sulfate, 173, "Al@d2@(SO@d4@)@d3@")                                                                    \
    X(copper_ii_sulfate, 174, "CuSO@d4@")                                                                              \
    X(iron_iii_sulfate, 176, "Fe@d2@(SO@d4@)@d3@")                                                                     \
    X(chromium_iii_sulfate, 177, "Cr@d2@(SO@d4@)@d3@")                                                                 \
    X(bismuth_sulfate, 178, "Bi@d2@(SO@d4@)@d3@")                                                                      \
    X(potassium_sulfate, 180, "K@d2@SO@d4@")                                                                           \
    X(zinc_sulfate, 181, "ZnSO@d4@")                                                                                   \
    X(barium_sulfate, 183, "BaSO@d4@")                                                                                 \
    X(silver_sulfate, 184, "Ag@d2@SO@d4@")                                                                             \
    X(sodium_hydrogen_sulfate, 191, "NaHSO@d4@")                                                                       \
    X(potassium_hydrogen_sulfate, 192, "KHSO@d4@")                                                                     \
    X(ammonium_hydrogen_sulfate, 193, "(NH@d4@)HSO@d4@")                                                               \
    X(sodium_nitrate, 201, "NaNO@d3@")                                                                                 \
    X(potassium_nitrate, 202, "KNO@d3@")                                                                               \
    X(calcium_nitrate, 203, "Ca(NO@d3@)@d2@")                                                                          \
    X(barium_nitrate, 204, "Ba(NO@d3@)@d2@")                                                                           \
    X(silver_nitrate, 205, "AgNO@d3@")                                                                                 \
    X(zinc_nitrate, 206, "Zn(NO@d3@)@d2@")                                                                             \
    X(copper_ii_nitrate, 207, "Cu(NO@d3@)@d2@")                                                                        \
    X(sodium_nitrite, 211, "NaNO@d2@")                                                                                 \
    X(potassium_nitrite, 212, "KNO@d2@")                                                                               \
    X(calcium_nitrite, 213, "Ca(NO@d2@)@d2@")                                                                          \
    X(hydrazine, 234, "N@d2@H@d4@")                                                                                    \
    X(water_vapour, 236, "H@d2@O")                                                                                     \
    X(calcium_phosphate, 251, "Ca@d3@(PO@d4@)@d2@")                                                                    \
    X(sodium_pyrophosphate, 252, "Na@d4@P@d2@O@d7@")                                                                   \
    X(aluminium_orthosilicate, 254, "Al@d4@(SiO@d4@)@d3@")                                                             \
    X(potassium_pyrosilicate, 255, "K@d6@Si@d2@O@d7@")                                                                 \
    X(potassium_chlorate, 260, "KClO@d3@")                                                                             \
    X(ammonium_chloride, 261, "NH@d4@Cl")                                                                              \
    X(calcium_borate, 263, "Ca@d3@(BO@d3@)@d2@")                                                                       \
    X(calcium_arsenate, 266, "Ca@d3@(AsO@d4@)@d2@")                                                                    \
    X(sodium_iodate, 267, "NaIO@d3@")                                                                                  \
    X(iodine_pentoxide, 273, "I@d2@O@d5@")                                                                             \
    X(caesium_chloride, 274, "CsCl")                                                                                   \
    X(magnesium_oxide, 275, "MgO")                                                                                     \
    X(nickel_oxide, 276, "NiO")                                                                                        \
    X(potassium_chromate, 280, "K@d2@CrO@d4@")                                                                         \
    X(sodium_chromate, 281, "Na@d2@CrO@d4@")                                                                           \
    X(copper_ii_sulfate_pentahydrate, 282, "CuSO@d4@.5H@d2@O")                                                         \
    X(potassium_iodate, 284, "KIO@d3@")                                                                                \
    X(sodium_acetate, 285, "CH@d3@COONa")                                                                              \
    X(sodium_oxalate, 286, "Na@d2@C@d2@O@d4@")                                                                         \
    X(potassium_dichromate, 287, "K@d2@Cr@d2@O@d7@")                                                                   \
    X(potassium_permanganate, 289, "KMnO@d4@")                                                                         \
    X(potassium_cyanide, 293, "KCN")                                                                                   \
    X(silver_thiosulfate, 294, "Ag@d2@S@d2@O@d3@")                                                                     \
    X(calcium_chloride_dihydrate, 295, "CaCl@d2@.2H@d2@O")                                                             \
    X(benzene, 301, "C@d6@H@d6@")                                                                                      \
    X(toluene, 302, "C@d6@H@d5@CH@d3@")                                                                                \
    X(methane, 303, "CH@d4@")                                                                                          \
    X(ethane, 304, "C@d2@H@d6@")                                                                                       \
    X(propane, 305, "C@d3@H@d8@")                                                                                      \
    X(butane, 306, "C@d4@H@d10@")                                                                                      \
    X(hexane, 307, "C@d6@H@d14@")                                                                                      \
    X(heptane, 308, "C@d7@H@d16@")                                                                                     \
    X(cyclohexane, 309, "C@d6@H@d12@")                                                                                 \
    X(methanol, 311, "CH@d3@OH")                                                                                       \
    X(ethanol, 312, "CH@d3@CH@d2@OH")                                                                                  \
    X(formic_acid, 331, "HCOOH")                                                                                       \
    X(acetic_acid, 332, "CH@d3@COOH")                                                                                  \
    X(benzoic_acid, 333, "C@d6@H@d5@COOH")                                                                             \
    X(acetone, 361, "CH@d3@COCH@d3@")                                                                                  \
    X(chloroform, 373, "CHCl@d3@")                                                                                     \
    X(carbon_tetrachloride, 374, "CCl@d4@")                                                                            \
    X(bromobenzene, 377, "C@d6@H@d5@Br")                                                                               \
    X(aniline, 382, "C@d6@H@d5@NH@d2@")                                                                                \
    X(diethyl_ether, 401, "CH@d3@CH@d2@OCH@d2@CH@d3@")                                                                 \
    X(ethylene, 421, "C@d2@H@d4@")                                                                                     \
    X(acetylene, 422, "C@d2@H@d2@")                                                                                    \
    X(propene, 423, "C@d3@H@d6@")                                                                                      \
    X(sodium, 452, "Na")                                                                                               \
    X(aluminium, 453, "Al")                                                                                            \
    X(manganese, 454, "Mn")                                                                                            \
    X(mercury, 455, "Hg")                                                                                              \
    X(helium, 457, "He")                                                                                               \
    X(neon, 458, "Ne")                                                                                                 \
    X(argon, 459, "Ar")                                                                                                \
    X(copper, 460, "Cu")                                                                                               \
    X(iron, 461, "Fe")                                                                                                 \
    X(xenon, 462, "Xe")                                                                                                \
    X(silver, 463, "Ag")                                                                                               \
    X(gold, 464, "Au")                                                                                                 \
    X(lead, 465, "Pb")                                                                                                 \
    X(krypton, 466, "Kr")                                                                                              \
    X(zinc, 467, "Zn")                                                                                                 \
    X(phosgene, 471, "COCl@d2@")                                                                                       \
    X(nitrosyl_bromide, 472, "NOBr")                                                                                   \
    X(carbon_disulfide, 501, "")                                                                                       \
    X(pentane, 502, "")

class CompoundKey {
public:
    constexpr operator std::int32_t() const { return record_; }
    // As in the record; blank for a code past the table.
    constexpr std::string_view formula() const { return formula_; }

private:
    friend struct CompoundNames;
    constexpr CompoundKey(std::int32_t record, std::string_view formula) : record_(record), formula_(formula) {}

    std::int32_t record_;
    std::string_view formula_;
};

struct CompoundNames {
#define COMPOUND_KEY(name, record, formula) static constexpr CompoundKey name{record, formula};
    COMPOUND_NAMES(COMPOUND_KEY)
#undef COMPOUND_KEY

#define COMPOUND_COUNT(name, record, formula) +1
#define COMPOUND_ENTRY(name, record, formula) name,
    static constexpr std::array<CompoundKey, 0 COMPOUND_NAMES(COMPOUND_COUNT)> all{{COMPOUND_NAMES(COMPOUND_ENTRY)}};
#undef COMPOUND_ENTRY
#undef COMPOUND_COUNT
};

namespace compounds {

#define COMPOUND_KEY(name, record, formula) inline constexpr CompoundKey name = CompoundNames::name;
COMPOUND_NAMES(COMPOUND_KEY)
#undef COMPOUND_KEY

// Every name above, for the table's check.
inline constexpr const auto& named = CompoundNames::all;

// The metals whose heat capacity the compound table holds, in the order the
// problems draw them.
inline constexpr std::array<CompoundKey, 8> metal_samples{aluminium, manganese, copper, iron, silver, gold, lead, zinc};

}  // namespace compounds

// No two names share a record.
static_assert([] {
    for (std::size_t i = 0; i < compounds::named.size(); ++i)
        for (std::size_t j = i + 1; j < compounds::named.size(); ++j)
            if (compounds::named[i] == compounds::named[j]) return false;
    return true;
}());

// Only a name makes a key.
static_assert(!std::is_convertible_v<std::int32_t, CompoundKey> && !std::is_constructible_v<CompoundKey, std::int32_t>);
