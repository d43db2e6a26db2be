// The model on the screen: the box with its particles and reaction flashes,
// and the concentration bars with the panel around them.
#pragma once

#include <cstdint>
#include <string_view>

#include "simulations/equilibrium/equilibrium_model.h"

inline constexpr std::int32_t flash_start = 1;  // a new flash at (x, y)
inline constexpr std::int32_t flash_draw = 2;   // draws the flashes and ages them one frame
inline constexpr std::int32_t flash_clear = 3;
// With all ten slots busy a new flash is not recorded.
void update_reaction_flashes(EquilibriumModel& m, std::int32_t mode, float x = 0.0f, float y = 0.0f);

// The dark box, the flashes under the particles, the particles.
void draw_particle_box(EquilibriumModel& m);

// Width in pixels of a bar of `count` particles out of n: 170 px stand for
// 120 particles, or for 240 when there are more than 120.
std::int32_t bar_width(std::int32_t count, std::int32_t n);
inline constexpr std::int32_t bars_redraw = 0;
inline constexpr std::int32_t bars_update = 1;  // only the change since the last drawing
void draw_concentration_bars(EquilibriumModel& m, std::int32_t mode);
// The grey panel, bar outlines, ticks and axis labels around the bars.
void draw_concentration_panel(const EquilibriumModel& m);
// The title of the box under the side buttons (the concentrations' or the
// results'), centred on its band.
void draw_side_box_title(std::string_view title);
