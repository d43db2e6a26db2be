// The colours of the five background schemes, and those of the current one.
#pragma once

#include <cstdint>

// Fills the scheme tables of screen_settings, indexed 1 to 5.
void fill_scheme_tables();

// The colours of the current scheme, from those tables.
std::int32_t scheme_page_colour();
std::int32_t scheme_panel_colour();
std::int32_t scheme_frame_colour();
std::int32_t scheme_title_colour();
