#include "tools/function_plotter.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "numbers/fixed_width.h"
#include "numbers/formatted_conversions.h"
#include "numbers/typed_number.h"
#include "platform/graphics.h"
#include "text/graph_plotter.h"
#include "text/markup_text.h"
#include "tools/expression_engine.h"
#include "tools/tool_messages.h"

PlotterState plotter_state;

namespace {

constexpr std::int32_t message_field = 1110;
// x1, x2, y1, y2, and the first and second function.
constexpr std::array<std::int32_t, 4> range_fields{1107, 1106, 1105, 1104};
constexpr std::array<std::int32_t, 2> function_fields{1108, 1109};
constexpr std::int32_t plot_intervals = 50;
constexpr std::int32_t plot_points = plot_intervals + 1;
constexpr std::string_view plot_layout = "200580030270 p ";
constexpr std::int32_t plot_width = 380;
constexpr std::int32_t plot_height = 240;
// The body text's font, in which the zeros of "0.00000" stand apart (in the
// smaller one they join), its digits one row below the ends of the tick
// marks under the frame and one above the page's edge.
constexpr std::string_view readout_font = "@T1@";
constexpr std::int32_t labels_y = 274;

// Up to its field, which "y2=" fills in the dialog's font.
DialogControl narrow_label(std::int32_t id, const char* text, std::int32_t x, std::int32_t y)
{
    return {id, DialogControlKind::static_text, text, x, y, 26, 18, true};
}

DialogControl field(std::int32_t id, std::int32_t x, std::int32_t y, std::int32_t width)
{
    return {id, DialogControlKind::edit, "", x, y, width, 22, true};
}

// At the left of the frame, so that the graph beside it stays in view;
// the message field holds two rows, as the longest message needs.
const DialogResource plot_resource{180,
                                   "Grafici",
                                   137,
                                   301,
                                   {
                                       {3001, DialogControlKind::group_box, "Funzioni", 10, 8, 116, 110, true},
                                       field(1108, 16, 28, 104),
                                       field(1109, 16, 52, 104),
                                       {message_field, DialogControlKind::static_text, "", 16, 78, 108, 36, true},
                                       {3002, DialogControlKind::group_box, "Asse y", 6, 128, 124, 74, true},
                                       narrow_label(3003, "y2=", 10, 150),
                                       field(1104, 36, 147, 70),
                                       narrow_label(3004, "y1=", 10, 176),
                                       field(1105, 36, 173, 70),
                                       {3005, DialogControlKind::group_box, "Asse x", 6, 210, 124, 74, true},
                                       narrow_label(3006, "x2=", 30, 232),
                                       field(1106, 54, 229, 70),
                                       narrow_label(3007, "x1=", 10, 258),
                                       field(1107, 36, 255, 70),
                                       {1, DialogControlKind::button, "OK", 0, 0, 34, 22, false},
                                       {2, DialogControlKind::button, "Cancel", 0, 0, 32, 22, false},
                                   },
                                   true,
                                   0,
                                   24};

struct Samples {
    std::array<float, plot_points> x{};
    std::array<float, plot_points> y{};
    float low = 1e30f;
    float high = -1e30f;
};

// The prepared function at 51 points; those outside y1..y2 or where it is
// not defined or overflows are put above the area, where the plot clips them away.
Samples sample(float x1, float x2, float y1, float y2)
{
    Samples s;
    const float step = (x2 - x1) / plot_intervals;
    const float above = std::min(y2 + std::abs(y2 - y1), 3e38f);
    for (std::int32_t i = 0; i < plot_points; ++i) {
        s.x[i] = x1 + static_cast<float>(i) * step;
        s.y[i] = above;
        double value = 0.0;
        double error = 0.0;
        if (!evaluate_coded_expression(1, s.x[i], 0.0, 0.0, 0.0, 0.0, {}, value, error)) continue;
        const auto v = static_cast<float>(value);
        // Beyond single precision is an overflow, left out like the others.
        if (!std::isfinite(v)) continue;
        s.high = std::max(s.high, v);
        s.low = std::min(s.low, v);
        if (y1 <= v && v <= y2) s.y[i] = v;
    }
    return s;
}

std::string range_text(const Samples& s)
{
    if (s.low > s.high) return "ND : ND";
    return std::string(strip_blanks(format_g(s.low, 10, 3))) + " : " +
           std::string(strip_blanks(format_g(s.high, 10, 3)));
}

std::int32_t text_width(std::string_view text)
{
    draw_markup_text(1000, 1000, text);
    return qw_get_current_position().x - 1000;
}

std::optional<float> read_range(std::string_view text)
{
    const auto value = read_typed_real(text);
    if (!value || !std::isfinite(*value)) return std::nullopt;
    return value;
}

// A span whose steps and scale single precision can hold.
bool usable_span(float low, float high, std::int32_t pixels)
{
    const float span = high - low;
    return low < high && std::isfinite(span) && std::isnormal(span / (10.0f * plot_intervals)) &&
           std::isfinite(static_cast<float>(pixels) / span);
}

// A refused range clears the last graph and its labels too, as a refused
// function does: left beside the message, they would read as the graph of
// the range typed. The frame is left empty, without axes.
void refuse_range(Dialog& dialog)
{
    set_up_graph({}, {}, 0, NAN, NAN, 0.0f, "", NAN, NAN, 0.0f, "", plot_layout, 0xFF0000, 0xFF0000);
    dlg_set_char(dialog, message_field, bad_range_text);
}

}  // namespace

void plot_functions(Dialog& dialog, std::int32_t, std::int32_t)
{
    dlg_set_char(dialog, message_field, "");
    // Kept even when the ranges are refused: the dialog reopens with them.
    for (std::size_t k = 0; k < function_fields.size(); ++k)
        plotter_state.function_texts[k] = dlg_get_char(dialog, function_fields[k]);
    std::array<std::string, 4> range_texts;
    std::array<float, 4> range{};
    for (std::size_t k = 0; k < range_fields.size(); ++k) {
        range_texts[k] = dlg_get_char(dialog, range_fields[k]);
        const auto value = read_range(range_texts[k]);
        if (!value) return refuse_range(dialog);
        range[k] = *value;
    }
    const auto [x1, x2, y1, y2] = range;
    if (!usable_span(x1, x2, plot_width) || !usable_span(y1, y2, plot_height)) return refuse_range(dialog);
    // A refused function still clears the last graph and its range: left
    // beside the message, they would read as the graph of the function refused.
    const Preparation prepared = prepare_expression(plotter_state.function_texts[0]);
    const bool ready = prepared == Preparation::ready;
    const Samples first = ready ? sample(x1, x2, y1, y2) : Samples{};
    set_up_graph(first.x, first.y, ready ? plot_points : 0, x1, x2, 0.1f * (x2 - x1), "", y1, y2, 0.1f * (y2 - y1), "",
                 plot_layout, 0xFF0000, 0xFF0000);
    if (!ready) return void(dlg_set_char(dialog, message_field, refused_expression_text(prepared)));
    draw_markup_text(200, labels_y, std::string(readout_font) + "@C2@" + range_text(first));
    const std::string centre(strip_blanks(format_g((x1 + x2) * 0.5f, 20, 6)));
    const std::string centre_text = std::string(readout_font) + "@C1@" + centre;
    draw_markup_text(430 - text_width(std::string(readout_font) + "@C1@x2=" + centre), labels_y, centre_text);
    // Right of the frame's corner, where no range text reaches.
    draw_markup_text(584, 258, "@T1@@C1@@ix@");
    draw_markup_text(192, 20, "@T1@@C1@@iy@");

    if (!strip_blanks(plotter_state.function_texts[1]).empty()) {
        if (const Preparation refused = prepare_expression(plotter_state.function_texts[1]);
            refused != Preparation::ready)
            return void(dlg_set_char(dialog, message_field, refused_expression_text(refused)));
        const Samples second = sample(x1, x2, y1, y2);
        plot_graph_series(second.x, second.y, plot_points, plot_layout, 0x0000FF, 0x0000FF);
        const std::string text = std::string(readout_font) + "@C3@" + range_text(second);
        draw_markup_text(580 - text_width(text), labels_y, text);
    }
    plotter_state.range_texts = range_texts;
}

void open_plot_dialog()
{
    PlotterState& p = plotter_state;
    if (!p.initialised) p = {true, {"-1", "1", "-1", "1"}, {"x^2-1/5", "exp(-x)"}};
    Dialog dialog;
    dlg_init(plot_resource, dialog);
    for (std::size_t k = 0; k < range_fields.size(); ++k)
        dlg_set_char(dialog, range_fields[k], strip_trailing_blanks(p.range_texts[k]));
    for (std::size_t k = 0; k < function_fields.size(); ++k)
        dlg_set_char(dialog, function_fields[k], strip_trailing_blanks(p.function_texts[k]));
    dlg_set_callback(dialog, 1, plot_functions);
    plot_functions(dialog, 0, 0);
    dlg_modal(dialog);
}
