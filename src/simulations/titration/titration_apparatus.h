// The pictures of the titration: the conical flask and its liquid in the
// indicator's colour, the indicator's scale with its pK mark, the burette
// with its column, a magnified view of the burette reading, and the pH
// meter. They read titration_state; the outlines are drawn at the
// program's one place (neck at 200, 240) and scale.
#pragma once

#include <cstdint>

// The titrant's colour, in the burette and where it falls into the flask.
inline constexpr std::int32_t titrant_colour = 0xFFCCCC;

// The flask's outline with its neck's top at (x, y).
void draw_titration_flask(std::int32_t x, std::int32_t y, std::int32_t colour);

// 1: the indicator's colour scale; 2: the flask's liquid at the current
// volume and pH. Every mode draws the pK mark.
inline constexpr std::int32_t ph_axes_scale = 1;
inline constexpr std::int32_t ph_axes_liquid = 2;
void draw_ph_axes(std::int32_t mode);

// The liquid's surface row for a fill fraction (1 is 250 mL): trunc(100 (1 - f)^0.33).
std::int32_t flask_liquid_row(float fraction);
// The fill fraction of the flask at the state's volumes.
float flask_fill_fraction();
// The pixel row trunc(scale j + y) of flask row j below the apex at y.
std::int32_t flask_row_y(std::int32_t j, std::int32_t y);

// Lines the flask's rows from its bottom up to the surface for the
// fraction, in one colour, centred on x under the apex at y.
void fill_flask_liquid(std::int32_t x, std::int32_t y, float scale, float fraction, std::int32_t colour);

// The burette's glass, tap and tip, its tip at (x, y).
void draw_burette_outline(std::int32_t x, std::int32_t y, std::int32_t colour);
// The titrant column for the added volume, 3 pixels per mL.
void draw_burette_level(std::int32_t x, std::int32_t y);
// The magnified reading around the meniscus, 40 pixels per mL.
void draw_burette_lens();
// The meter's scale and its needle at the current pH.
void draw_ph_meter();
