// The scene of "Leggi dei gas": flask in its thermostat, tube, mercury
// manometer with its scale, and the lenses that read the thermometer and
// the two mercury levels. Positions are pixels of the graphics window.
#pragma once

#include <cstdint>

#include "simulations/gas_laws/gas_state.h"

// The flask's proportions for a volume: all lengths grow with the cube
// root of the volume (0.333 as the program stores it).
struct FlaskGeometry {
    float neck_width = 0.0f;       // w
    float half_neck = 0.0f;        // h
    std::int32_t neck_height = 0;  // a
    std::int32_t radius = 0;       // r, the bulb's
    std::int32_t narrow_neck = 0;  // b, the narrow lower part of the neck
    std::int32_t centre_y = 0;     // cy, the bulb's centre
};
FlaskGeometry flask_geometry(std::int32_t dome_top, float volume);

// Sets the panel colour and draws the whole scene for the state.
void draw_gas_apparatus(GasState& gas);

// Flask, neck, dome, clamp, thermostat, thermometer and volume label, with
// the axis at x0 and the dome top at y0; records where it stands in gas.
void draw_gas_flask(GasState& gas, std::int32_t x0, std::int32_t y0, float volume, std::int32_t outline);

// The tube from the dome top to the U-tube, its inside in the gas colour.
void draw_manometer_tube(std::int32_t x0, std::int32_t y0, std::int32_t width);
// The mercury at the U bottom and in both limbs for an excess pressure.
void draw_mercury_column(std::int32_t x0, std::int32_t width, float excess);
// Repaints only the limb bands between the levels of two excess pressures.
void move_mercury_column(std::int32_t x0, std::int32_t width, float old_excess, float new_excess,
                         std::int32_t panel_colour);
void draw_manometer_scale();

void draw_thermometer_lens(float temperature, std::int32_t panel_colour);

enum class ManometerLens : std::int32_t { left = 1, right = 2, both_blank = 3 };
inline constexpr std::int32_t left_lens_x = 268;
// The right lens two pixels clear of the manometer scale's "0".
inline constexpr std::int32_t right_lens_x = 356;
inline constexpr std::int32_t lens_y = 257;
void draw_manometer_lens(float pressure, std::int32_t panel_colour, ManometerLens which);
