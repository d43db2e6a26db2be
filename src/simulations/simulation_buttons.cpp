#include "simulations/simulation_buttons.h"

#include <cstdio>
#include <string>

#include "text/button_widgets.h"

namespace {

constexpr std::int32_t button_fill = 0xDD9988;
constexpr std::int32_t result_fill = 0x666666;

void draw_face(const SimulationButton& button, std::int32_t fill, std::int32_t label_colour, std::string_view label)
{
    char head[64];
    std::snprintf(head, sizeof head, "d2345678%03d%03d%03d%03d%06XBB8888@T4@@c%06X@@y-18@", button.x, button.y,
                  button.w, button.h, static_cast<unsigned>(fill), static_cast<unsigned>(label_colour));
    handle_button_descriptor(std::string(head) + std::string(label));
}

}  // namespace

void draw_simulation_button(const SimulationButton& button, std::int32_t label_colour)
{
    draw_face(button, button_fill, label_colour, button.label);
}

void draw_simulation_result(const SimulationButton& button, std::string_view result)
{
    // A hyphen in the bold face is a short dash.
    std::string text(result);
    if (text.starts_with('-')) text.replace(0, 1, "−");
    draw_face(button, result_fill, label_usable, text);
}
