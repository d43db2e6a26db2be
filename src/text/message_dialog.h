// The modal "Attenzione!" dialog with three lines of text, OK and Cancel.
#pragma once

#include <cstdint>
#include <string_view>

// Returns 0 for OK, -1 for Cancel. A dialog that cannot be shown counts as
// Cancel, so nothing is done on the user's behalf without an answer.
std::int32_t show_message_dialog(std::string_view line1, std::string_view line2, std::string_view line3);
