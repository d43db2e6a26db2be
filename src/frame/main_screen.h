// The fixed frame of the main screen in the current background scheme.
#pragma once

// Fills the scheme tables and the five page-command entries of the side
// panel, then paints the ground, the problem area, the left column, the
// bottom band, both side panels and the small buttons. The index, header,
// button labels and problem are left to the callers.
void draw_main_screen();
