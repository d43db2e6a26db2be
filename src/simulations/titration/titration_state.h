// "Titolazioni acido/base": the analytes, titrants and indicators on offer,
// and the one block the simulation keeps for the whole run, so that a
// later opening goes on from the last set-up.
//
// Reals are REALs (float) where they are stored; expressions on them are
// evaluated in double and rounded only when stored, as the pixel positions
// and the volumes read on the burette depend on it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "chemistry/acid_base_constants.h"

inline constexpr std::int32_t analyte_count = 9;
inline constexpr std::int32_t titrant_count = 9;
inline constexpr std::int32_t indicator_count = 5;

// A constant of 1e4 marks a strong acid or base.
inline constexpr float strong_constant = 1.0e4f;

struct AnalyteRow {
    std::string_view name;  // markup
    ShownConstant weak;     // Ka of a weak acid, Kb of a weak base as shown; no row for the others
    std::int32_t factor;    // protons or hydroxides titrated
};
inline constexpr ShownConstant not_weak{nullptr, 0};
// Rows 1 to 5 are acids titrated with NaOH, 6 to 9 bases titrated with HCl;
// the generic rows' constants are drawn anew.
inline constexpr std::array<AnalyteRow, analyte_count> analyte_rows{{
    {"HCl", not_weak, 1},
    {"H@d2@SO@d4@", not_weak, 2},
    {"CH@d3@COOH", own_constant("CH@d3@COOH"), 1},
    {"NH@d4@Cl", conjugate_constant("NH@d3@", 2), 1},
    {"Acido debole generico, HA", not_weak, 1},
    {"NaOH", not_weak, 1},
    {"Ba(OH)@d2@", not_weak, 2},
    {"NH@d3@", own_constant("NH@d3@"), 1},
    {"Base debole generica, B", not_weak, 1},
}};
inline constexpr std::int32_t generic_acid = 5;
inline constexpr std::int32_t generic_base = 9;
inline constexpr bool analyte_is_acid(std::int32_t k)
{
    return k <= 5;
}
// Analyte k's constant as first offered: a weak one's as its name shows
// it, the strong constant for the others.
inline float analyte_constant(std::int32_t k)
{
    const ShownConstant& weak = analyte_rows[k - 1].weak;
    return weak.row != nullptr ? shown_constant(weak) : strong_constant;
}

struct IndicatorRow {
    std::string_view name;  // markup
    float pk;
    std::array<std::int32_t, 3> acid_rgb;
    std::array<std::int32_t, 3> base_rgb;
};
// Phenol red's pK: Skoog, West, Holler and Crouch, "Fundamentals of
// Analytical Chemistry", table of acid/base indicators (7.81).
inline constexpr std::array<IndicatorRow, indicator_count> indicator_rows{{
    {"Verde malachite p@iK@=1.0", 1.0f, {255, 255, 0}, {0, 255, 200}},
    {"Metilarancio p@iK@=3.8", 3.8f, {255, 0, 0}, {255, 255, 0}},
    {"Rosso fenolo p@iK@=7.8", 7.8f, {255, 255, 0}, {255, 0, 0}},
    {"Fenolftaleina p@iK@=9.1", 9.1f, {255, 255, 255}, {255, 120, 120}},
    {"Giallo alizarina p@iK@=11.0", 11.0f, {255, 255, 0}, {190, 160, 0}},
}};

struct TitrationState {
    std::int32_t initialised = 0;
    std::int32_t panel_colour = 0;
    float drawing_scale = 0.0f;  // pixels per drawing unit of flask and burette
    // The table's constants, but for the generic acid and base, drawn on
    // every click in the analyte list.
    std::array<float, analyte_count> dissociation_constants{};
    std::int32_t analyte_choice = 1;     // 1..9
    std::int32_t titrant_choice = 1;     // 1..9
    std::int32_t indicator_choice = 3;   // 1..5
    float analyte_volume = 0.0f;         // mL in the flask before any addition
    float analyte_concentration = 0.0f;  // mol/L, hidden until revealed
    float first_equivalence_volume = 0.0f;
    float titrant_concentration = 0.0f;  // mol/L
    float current_ph = 7.0f;
    float added_volume = 0.0f;  // mL, float sums of the burette steps
    // Fill fraction of the flask as the liquid was last drawn: a lower new
    // surface erases the old liquid above it.
    float drawn_fill_fraction = 0.0f;
};
extern TitrationState titration_state;
