// The header line of the bottom band (chapter, section, level, version) and
// the section list of the chapter panel.
#pragma once

// Draws them unless scheme, chapter, section, level and version are those
// of the last drawing.
void draw_status_header();

// Makes the next draw_status_header draw, whatever its key; for callers
// that have painted over the header.
void forget_status_header();
