// "Leggi dei gas": the state of the flask and the scene's fixed colours.
#pragma once

#include <cstdint>
#include <string>

#include "numbers/pressure_units.h"

// The flask's gas, drawn anew at every opening of the simulation; the
// exercises read it and never change it.
struct GasState {
    float volume = 0.0f;       // litres: 2 to 10, or 2.5 or 7.5
    float pressure = 0.0f;     // torr
    float temperature = 0.0f;  // degrees Celsius
    std::string statement;     // the instruction beside the apparatus
    std::int32_t panel_colour = 0;
    std::int32_t restart_flag = 0;  // 1 once an exercise was closed
    // Where the last flask was drawn: the temperature exercise redraws the
    // thermometer column that the lens covered.
    std::int32_t flask_x = 0;
    std::int32_t flask_centre_y = 0;
    std::int32_t flask_radius = 0;
};
extern GasState gas_state;

// Volume, pressure and temperature from the program's stream as the page
// left it (never seeded here), in the order that keeps the draws fixed.
void draw_gas_state(GasState& gas);

inline constexpr std::int32_t gas_colour = 0xDDFFFF;
inline constexpr std::int32_t mercury_colour = 0xAA6666;
inline constexpr std::int32_t outline_colour = 0x999999;
inline constexpr std::int32_t highlight_colour = 0xCCCCCC;
inline constexpr std::int32_t scale_colour = 0xFFAAAA;
inline constexpr std::int32_t apparatus_panel_colour = 0xFFEEEE;
inline constexpr std::int32_t thermometer_colour = 0x9999FF;  // the flask's thermometer column

// The flask's axis and the top of its dome, and the tube's width.
inline constexpr std::int32_t flask_axis_x = 210;
inline constexpr std::int32_t dome_top_y = 150;
inline constexpr std::int32_t tube_width = 6;

// Pressure in the manometer: levels move from the rest level by an eighth of
// the excess over the atmosphere, left limb down, right limb up.
inline constexpr float atmospheric_pressure = torr_per_atmosphere_f;
inline constexpr std::int32_t mercury_rest_y = 162;
inline std::int32_t mercury_shift(float excess)
{
    return static_cast<std::int32_t>(0.125f * excess);
}
