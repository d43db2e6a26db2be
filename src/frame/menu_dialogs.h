// The dialogs of the "&Versione", "&Opzioni" and "&?" menus.
#pragma once

#include <cstdint>

// Dialog 144: asks for a version from 6 to 10000000.
void ask_other_version();
// Dialog 150: the five background schemes, applied at once.
void choose_background();
// Makes scheme 1 to 5 current and redraws the whole screen in it.
void apply_background_scheme(std::int32_t scheme);
// Dialog 153: results after the problem or in a separate file.
void choose_print_mode();
// Dialog 182: the about box.
void show_about_box();
