// Acid and base constants at 25 °C, one row a constant, for every chapter
// and statement that shows one. Each weak acid's constant, and ammonia's
// as a base, is written once; a conjugate's is never written: it is the
// water's ionic product over its partner's row, to the digits its page
// shows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The water's ionic product at 25 °C, and as a float.
inline constexpr double water_ion_product = 1.0e-14;
inline constexpr float water_ion_product_f = 1.0e-14f;
static_assert(water_ion_product_f == static_cast<float>(water_ion_product));
// Its cologarithm, pKw = pH + pOH.
inline constexpr double water_ion_exponent = 14.0;
inline constexpr float water_ion_exponent_f = 14.0f;

struct AcidBaseConstant {
    std::string_view species;  // the acid, or the base, whose constant it is
    std::int32_t step;         // the proton the acid gives up, from 1
    std::string_view value;    // as written: its digits are the digits shown
};

// The CRC Handbook's pKa and pKb at 25 °C ("Dissociation constants of
// inorganic acids and bases", "... of organic acids and bases"), with the
// school figure for H2S's second step.
inline constexpr std::array<AcidBaseConstant, 18> acid_base_constants{{
    {"HClO@d2@", 1, "1.15e-2"},
    {"HF", 1, "6.3e-4"},
    {"HNO@d2@", 1, "5.6e-4"},
    {"HCOOH", 1, "1.77e-4"},
    {"CH@d3@COOH", 1, "1.75e-5"},
    {"HClO", 1, "3.0e-8"},
    {"HBrO", 1, "2.82e-9"},
    {"HCN", 1, "6.2e-10"},
    {"NH@d3@", 1, "1.79e-5"},
    {"H@d2@SO@d3@", 1, "1.41e-2"},
    {"H@d2@SO@d3@", 2, "6.3e-8"},
    {"H@d2@S", 1, "8.9e-8"},
    {"H@d2@S", 2, "1.0e-13"},
    {"H@d2@CO@d3@", 1, "4.5e-7"},
    {"H@d2@CO@d3@", 2, "4.7e-11"},
    {"H@d3@PO@d4@", 1, "6.9e-3"},
    {"H@d3@PO@d4@", 2, "6.2e-8"},
    {"H@d3@PO@d4@", 3, "4.8e-13"},
}};

// The row of a species' step: a table that names one the rows lack does
// not compile.
consteval const AcidBaseConstant* acid_base_constant(std::string_view species, std::int32_t step = 1)
{
    for (const AcidBaseConstant& row : acid_base_constants)
        if (row.species == species && row.step == step) return &row;
    throw "nessuna costante per questa specie";
}

// The rows of an acid's steps in order, none past its last.
consteval std::array<const AcidBaseConstant*, 3> acid_steps(std::string_view species)
{
    std::array<const AcidBaseConstant*, 3> steps{};
    std::int32_t found = 0;
    for (const AcidBaseConstant& row : acid_base_constants) {
        if (row.species != species) continue;
        steps[static_cast<std::size_t>(row.step - 1)] = &row;
        ++found;
    }
    if (found == 0) throw "nessuna costante per questa specie";
    return steps;
}

// A constant as a page shows it: its row's as written, or where
// conjugate_digits is above 0 its conjugate's, the water's ionic product
// over the row's, to that many significant digits.
struct ShownConstant {
    const AcidBaseConstant* row;
    std::int32_t conjugate_digits;
};

consteval ShownConstant own_constant(std::string_view species, std::int32_t step = 1)
{
    return {acid_base_constant(species, step), 0};
}

consteval ShownConstant conjugate_constant(std::string_view species, std::int32_t digits, std::int32_t step = 1)
{
    if (digits < 1) throw "una costante coniugata va mostrata con le sue cifre";
    return {acid_base_constant(species, step), digits};
}

// The constant's value as shown.
float shown_constant(const ShownConstant& constant);
// Slot := the constant as shown, with its digits.
void set_slot_constant(std::int32_t slot, const ShownConstant& constant);

// The buffers of a weak acid or base and its salt: the salt, its partner,
// the acid of the pair as a page names it, the row of the partner's
// constant (the acid's, or the base's, whose conjugate is the pair's acid)
// and the salt's molar mass in g/mol.
struct BufferPair {
    std::string_view salt;
    std::string_view partner;
    std::string_view acid;
    const AcidBaseConstant* partner_constant;
    bool base_partner;
    float salt_molar_mass;
};

inline constexpr std::array<BufferPair, 5> buffer_pairs{{
    {"CH@d3@COONa", "CH@d3@COOH", "CH@d3@COOH", acid_base_constant("CH@d3@COOH"), false, 82.035f},
    {"NH@d4@Cl", "NH@d3@", "NH@d4@@u+@", acid_base_constant("NH@d3@"), true, 53.492f},
    {"NaHS", "H@d2@S", "H@d2@S", acid_base_constant("H@d2@S"), false, 56.062f},
    {"Na@d2@CO@d3@", "NaHCO@d3@", "HCO@d3@@u-@", acid_base_constant("H@d2@CO@d3@", 2), false, 105.99f},
    {"KCN", "HCN", "HCN", acid_base_constant("HCN"), false, 65.12f},
}};

// The pKa of the pair's acid to the two decimals pages write, as a value
// and as text.
float buffer_pka(const BufferPair& pair);
std::string buffer_pka_text(const BufferPair& pair);
