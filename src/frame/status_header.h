// The header line of the bottom band (chapter, section, level, version) and
// the section list of the chapter panel.
#pragma once

#include "text/page_regions.h"

// The header's field, left of the small buttons.
inline constexpr PageRect status_field{0, 318, 487, 337};

// Draws them unless scheme, chapter, section, level and version are those
// of the last drawing.
void draw_status_header();

// Makes the next draw_status_header draw, whatever its key; for callers
// that have painted over the header.
void forget_status_header();
