// "Grafici" (dialog 180): one or two functions of x drawn as points on the
// page, to the right of the narrow dialog, at its opening and at each Enter.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/dialogs.h"

// The texts the dialog opens with: ranges x1, x2, y1, y2 (replaced only by
// a complete plot) and the two functions (replaced at every Enter).
struct PlotterState {
    bool initialised = false;
    std::array<std::string, 4> range_texts;
    std::array<std::string, 2> function_texts;
};
extern PlotterState plotter_state;

void open_plot_dialog();
// Enter: reads the ranges and the functions and plots them.
void plot_functions(Dialog& dialog, std::int32_t control_id, std::int32_t callback_type);
