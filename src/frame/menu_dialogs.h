// The dialogs of the "&Versione", "&Opzioni" and "&?" menus.
#pragma once

#include <cstdint>
#include <optional>

// Dialog 144: asks for a version from 6 to 10000000; none when cancelled.
std::optional<std::int32_t> ask_other_version();
// Dialog 150: the five background schemes, applied at once.
void choose_background();
// Dialog 153: results after the problem or in a separate file.
void choose_print_mode();
// Dialog 182: the about box.
void show_about_box();
