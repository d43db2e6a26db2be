// How much of a solute water holds: the saturated solutions at 25 °C of the
// solutes that a drawn concentration could take past saturation, and the
// eutectics of the salts whose freezing points the pages ask for. A drawn
// concentration above its solute's ceiling is scaled under it.
#pragma once

#include <array>
#include <cstdint>

#include "chemistry/compound_records.h"

struct SaturatedSolution {
    CompoundKey compound;
    float formality;     // formula units per litre of saturated solution
    float mass_percent;  // grams of solute per 100 g of saturated solution
};
static_assert(!std::is_convertible_v<int, decltype(SaturatedSolution::compound)>);

// At 25 °C: the mass percent from the CRC Handbook's table of aqueous
// solubilities, the formality from it with the saturated solution's density
// (Ba(OH)2 4.68 %, 0.29 mol/kg; Ba(NO3)2 9.27 %, 0.39 mol/kg; K2SO4 10.7 %,
// 0.69 mol/kg; Al2(SO4)3 27.8 %, 1.13 mol/kg). The hydrate's figures are
// those of the CuSO4 it carries, weighed as the hydrate. Every other solute
// the problems draw saturates above 2 F and above 1.5 mol/kg, the most that
// any of them draws (LiOH 4.9 F, KNO3 3.2 F, KHCO3 3.1 F, K2CrO4 2.7 F,
// NaHSO4 2.4 mol/kg; acids, hydroxides of the alkali metals, halides but
// NaF and BaCl2, nitrates but Ba(NO3)2, and Fe2(SO4)3 and Cr2(SO4)3 as their
// hydrates dissolve further still).
inline constexpr std::array<SaturatedSolution, 13> saturated_solutions{{
    {compounds::barium_hydroxide, 0.28f, 4.68f},
    {compounds::barium_chloride, 1.67f, 27.0f},
    {compounds::sodium_fluoride, 0.98f, 3.97f},
    {compounds::sodium_hydrogen_carbonate, 1.18f, 9.3f},
    {compounds::sodium_sulfate, 1.85f, 21.9f},
    {compounds::aluminium_sulfate, 1.08f, 27.8f},
    {compounds::copper_ii_sulfate, 1.36f, 18.0f},
    {compounds::potassium_sulfate, 0.66f, 10.7f},
    {compounds::barium_nitrate, 0.383f, 9.27f},
    {compounds::copper_ii_sulfate_pentahydrate, 1.36f, 28.2f},
    {compounds::sodium_oxalate, 0.27f, 3.6f},
    {compounds::potassium_dichromate, 0.49f, 13.1f},
    {compounds::potassium_permanganate, 0.46f, 7.0f},
}};

struct SaltEutectic {
    CompoundKey compound;
    float celsius;
};
static_assert(!std::is_convertible_v<int, decltype(SaltEutectic::compound)>);

// Where ice and the salt (or its hydrate) freeze out together, below which
// no solution of the salt stays liquid. Na2SO4 -1.2 °C (4.1 %, with
// Na2SO4•10H2O), K2SO4 -1.5 °C (6.5 %, measured -1.55), Ba(NO3)2 -0.7 °C
// (4.5 %); Ba(OH)2 from its solubility at 0 °C, 1.67 g in 100 g of water
// (0.098 mol/kg), whose freezing point lies near -0.4 °C: taken at -0.3 °C
// to stay on the liquid side. The other salts of the freezing-point problem
// freeze out below -2.8 °C (KNO3 -2.8, ZnSO4 -6.5, BaCl2 -7.8).
inline constexpr std::array<SaltEutectic, 4> salt_eutectics{{
    {compounds::barium_hydroxide, -0.3f},
    {compounds::sodium_sulfate, -1.2f},
    {compounds::potassium_sulfate, -1.5f},
    {compounds::barium_nitrate, -0.7f},
}};

// Grams per 100 g of water at 20, 40, 60, 80 and 100 °C (the same CRC
// table) of the salts above whose 25 °C saturation a hot solution's draw
// reaches; Ba(OH)2 kept at its 80 °C figure above (its octahydrate melts at
// 78 °C and dissolves further still).
struct HotSolubility {
    CompoundKey compound;
    std::array<float, 5> grams;
};
static_assert(!std::is_convertible_v<int, decltype(HotSolubility::compound)>);
inline constexpr std::array<HotSolubility, 3> hot_solubilities{{
    {compounds::barium_hydroxide, {3.89f, 8.22f, 20.94f, 101.4f, 101.4f}},
    {compounds::potassium_sulfate, {11.1f, 14.8f, 18.2f, 21.4f, 24.1f}},
    {compounds::barium_nitrate, {9.02f, 14.1f, 20.3f, 27.0f, 34.4f}},
}};

// The solute's saturated formality and molality (moles per kilogram of
// water) at 25 °C; +infinity where the table has no row.
float saturated_formality(std::int32_t compound);
float saturated_molality(std::int32_t compound);
// The saturated molality at `celsius` from 20 to 100 °C, read linearly
// between the rows above; the 25 °C one for every other solute, which
// dissolves at least as much up to 100 °C.
float saturated_molality_at(std::int32_t compound, float celsius);
// The salt's eutectic in °C; -infinity where the table has no row.
float eutectic_celsius(std::int32_t compound);

// A concentration drawn up to `top`, or where it passes `ceiling` the same
// draw scaled from [0, top] to [0, 0.95 ceiling]: no draw is added, so the
// rest of the page stays as drawn, and the value shown keeps clear of the
// ceiling after it is rounded.
float kept_under(float drawn, float ceiling, float top);
