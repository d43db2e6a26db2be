// The chemistry of the titration: the random set-ups, the pH of the flask,
// the indicator's colour and the burette's steps. Every draw comes from the
// program-wide stream, in the order the set-up has always made them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The first opening of a run: fills the constants and draws an HCl analyte
// whose equivalence volume lies between 20 and 30 mL. Later calls do nothing.
void start_titration_state();

// A click on analyte row k: a new volume and concentration (1.5 to 5.25
// mmol of acid or base equivalents), then new constants for the generic
// acid and base, whichever row was clicked.
void draw_titration_analyte(std::int32_t k);

// A click on titrant row s: 0.05 + 0.01 s mol/L within 1 % of its 0.01 s part.
void draw_titrant_concentration(std::int32_t s);

// The pH of the flask at the state's volumes and concentrations. Where no
// balance root lies between pH 0.01 and 14 the pH is the end of the scale
// on the side of the reagent in excess.
float compute_titration_ph();

// The chosen indicator's colour (0x00BBGGRR) at pH p; the acid colour when
// 10^(pK - p) is beyond a real's range.
std::int32_t indicator_colour(float p);

// The pH held to the drawn scale, 0 to 14.
float drawn_ph(float p);

// The burette's cells: each click adds `steps` equal steps.
struct BuretteAddition {
    std::string_view label;
    float step;  // mL
    std::int32_t steps;
};
inline constexpr std::array<BuretteAddition, 6> burette_additions{{
    {"1 goccia", 0.05f, 1},
    {"5 gocce", 0.05f, 5},
    {"1 mL", 0.05f, 20},
    {"5 mL", 0.05f, 100},
    {"10 mL", 0.1f, 100},
    {"20 mL", 0.1f, 200},
}};

// The burette holds a little over its 50 mL of graduations.
inline constexpr float burette_empty_limit = 51.15f;
inline constexpr float burette_capacity = 51.2f;

// Adds one step; false when that step emptied the burette, which then
// counts as fully run out (the step itself is never shown).
bool add_burette_step(float step);
bool burette_is_empty();
