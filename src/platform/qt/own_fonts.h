#pragma once
// The program draws only with the font files it carries (fonts/), so that a
// page has the same pixels on every machine: the machine's fonts, same-named
// families included, are kept out of sight.

#include <string>

namespace platform::qt {

// Gives the toolkit a font configuration that holds no font of the system.
// Before the application object is made. Returns an Italian message when it
// cannot, empty when it did.
std::string see_only_own_fonts();

// Registers the carried faces and makes the widgets write with them; the
// application object must exist. Returns an Italian message naming the faces
// that could not be loaded, empty when all were.
std::string load_own_fonts();

// Tells the user that the program cannot draw: on standard error, and in a
// dialog written with the system's fonts where a screen shows it.
void report_font_failure(const std::string& message);

}  // namespace platform::qt
