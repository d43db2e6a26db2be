#include "platform/graphics.h"

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "platform/core_state.h"

namespace platform {
namespace {

struct ThreadDrawState {
    std::uint64_t generation = 0;
    DrawState state;
    // Fonts had from the backend, by option text: one backend gives the same
    // font for the same text, and texts switch fonts at nearly every code.
    std::vector<std::pair<std::string, std::int32_t>> fonts;
};
constexpr std::size_t kKeptFonts = 32;

// Each thread draws with its own colour, position, font and clip region;
// a new backend starts every thread afresh.
ThreadDrawState& thread_state()
{
    thread_local ThreadDrawState local;
    const std::uint64_t generation = detail::core().generation.load();
    if (local.generation != generation) {
        local.generation = generation;
        local.state = DrawState{};
        local.fonts.clear();
    }
    return local;
}

DrawState& state()
{
    return thread_state().state;
}

}  // namespace
}  // namespace platform

using platform::state;
using platform::detail::host;

std::int32_t qw_set_color_rgb(std::int32_t colour)
{
    platform::DrawState& s = state();
    const std::int32_t previous = s.colour;
    s.colour = colour & 0xFFFFFF;
    return previous;
}

std::int32_t qw_get_color_rgb()
{
    return state().colour;
}

std::int32_t qw_rectangle(QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (control != QwControl::filled && control != QwControl::outline) return 0;
    host().rectangle(state(), control, x1, y1, x2, y2);
    return 1;
}

std::int32_t qw_ellipse(QwControl control, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    if (control != QwControl::filled && control != QwControl::outline) return 0;
    host().ellipse(state(), control, x1, y1, x2, y2);
    return 1;
}

std::int32_t qw_polygon(QwControl control, std::span<const QwPoint> points)
{
    if ((control != QwControl::filled && control != QwControl::outline) || points.empty()) return 0;
    host().polygon(state(), control, points);
    return 1;
}

std::int32_t qw_fill_rectangles(std::span<const QwColourBox> boxes)
{
    if (boxes.empty()) return 1;
    platform::DrawState& s = state();
    host().fill_rectangles(s, boxes);
    s.colour = boxes.back().colour & 0xFFFFFF;
    return 1;
}

QwPoint qw_move_to(std::int32_t x, std::int32_t y)
{
    const QwPoint previous = state().position;
    state().position = {x, y};
    return previous;
}

std::int32_t qw_line_to(std::int32_t x, std::int32_t y)
{
    host().line(state(), state().position, {x, y});
    state().position = {x, y};
    return 1;
}

QwPoint qw_get_current_position()
{
    return state().position;
}

std::int32_t qw_get_pixel_rgb(std::int32_t x, std::int32_t y)
{
    if (!state().clip.contains(x, y)) return -1;
    return host().get_pixel(x, y);
}

std::int32_t qw_set_pixel_rgb(std::int32_t x, std::int32_t y, std::int32_t colour)
{
    const std::int32_t previous = qw_get_pixel_rgb(x, y);
    if (previous >= 0) host().set_pixel(state(), x, y, colour & 0xFFFFFF);
    return previous;
}

std::int32_t qw_set_pixel(std::int32_t x, std::int32_t y)
{
    return qw_set_pixel_rgb(x, y, state().colour);
}

std::int32_t qw_flood_fill_rgb(std::int32_t x, std::int32_t y, std::int32_t boundary_colour)
{
    const std::int32_t start = qw_get_pixel_rgb(x, y);
    if (start < 0 || start == (boundary_colour & 0xFFFFFF)) return 0;
    host().flood_fill(state(), x, y, boundary_colour & 0xFFFFFF);
    return 1;
}

void qw_set_clip_region(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    state().clip = platform::ClipRect{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
    host().clip_changed(state().clip);
}

std::int32_t qw_initialize_fonts()
{
    return host().initialize_fonts();
}

std::int32_t qw_set_font(std::string_view options)
{
    platform::ThreadDrawState& local = platform::thread_state();
    for (const auto& [text, font] : local.fonts) {
        if (text == options) {
            local.state.font = font;
            return font;
        }
    }
    const auto request = platform::parse_font_options(options);
    if (!request) return -1;
    const std::int32_t font = host().select_font(*request);
    if (font > 0) {
        local.state.font = font;
        if (local.fonts.size() < platform::kKeptFonts) local.fonts.emplace_back(options, font);
    }
    return font;
}

void qw_out_text(std::string_view text)
{
    const std::int32_t extent = host().out_text(state(), text);
    const std::int64_t x = static_cast<std::int64_t>(state().position.x) + extent;
    state().position.x = static_cast<std::int32_t>(std::clamp<std::int64_t>(x, std::numeric_limits<std::int32_t>::min(),
                                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int32_t qw_get_text_extent(std::string_view text)
{
    return host().text_extent(state().font, text);
}

std::vector<QwInkColumn> qw_get_text_ink(std::string_view text)
{
    return host().text_ink(state().font, text);
}

QwTextRows qw_get_text_rows(std::string_view text)
{
    return host().text_rows(state().font, text);
}
