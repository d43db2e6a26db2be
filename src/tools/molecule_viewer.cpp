#include "tools/molecule_viewer.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "frame/page_mouse.h"
#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numerics/vector_geometry.h"
#include "platform/graphics.h"
#include "platform/mouse.h"
#include "text/markup_text.h"
#include "tools/molecule_records.h"

MoleculeViewerState molecule_viewer_state;

namespace {

struct AtomStyle {
    std::string_view symbol;
    float radius;  // ångström; 0: an anchor of bond strands, never a sphere
    std::array<std::int32_t, 3> colour;
};

// A red of exactly 255 marks a lone pair, drawn stippled.
constexpr std::array<AtomStyle, 15> atom_styles{{
    {" C", 0.59f, {180, 180, 180}},
    {"Cl", 0.75f, {0, 250, 0}},
    {" O", 0.56f, {250, 60, 60}},
    {" H", 0.30f, {0, 250, 250}},
    {" N", 0.57f, {120, 120, 250}},
    {"Xe", 0.95f, {250, 0, 250}},
    {" F", 0.55f, {150, 250, 0}},
    {" P", 0.81f, {250, 150, 0}},
    {" S", 0.79f, {250, 250, 0}},
    {" B", 0.64f, {100, 250, 200}},
    {"Br", 0.97f, {0, 250, 0}},
    {"DC", 0.0f, {180, 180, 180}},
    {"DO", 0.0f, {250, 60, 60}},
    {"DN", 0.0f, {120, 120, 250}},
    {"EL", 0.6f, {255, 255, 255}},
}};

std::int32_t read_field(std::string_view record, std::size_t first, std::size_t width)
{
    return read_i(record.substr(first, width)).value_or(0);
}

bool inside_viewport(std::int32_t x, std::int32_t y)
{
    const MoleculeViewerState& s = molecule_viewer_state;
    return x >= s.left && x <= s.right && y >= s.top && y <= s.bottom;
}
bool inside_list(std::int32_t x, std::int32_t y)
{
    return x >= 440 && x <= 560 && y >= 50 && y < 250;
}
bool inside_exit(std::int32_t x, std::int32_t y)
{
    return x >= 440 && x <= 560 && y > 250 && y < 270;
}

void filled(std::int32_t colour, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2)
{
    qw_set_color_rgb(colour);
    qw_rectangle(QwControl::filled, x1, y1, x2, y2);
}

void choose_molecule(std::int32_t k)
{
    MoleculeViewerState& s = molecule_viewer_state;
    if (k == s.current_molecule) return;
    load_molecule(s.current_molecule, 1);
    load_molecule(k, 2);
    if (s.atom_count == 0) {  // the empty slot never becomes the molecule shown
        load_molecule(s.current_molecule, 2);
        return;
    }
    s.current_molecule = k;
    render_molecule();
}

void turn_by_drag(std::int32_t x, std::int32_t y)
{
    MoleculeViewerState& s = molecule_viewer_state;
    const std::int32_t dx = x - s.drag_x, dy = y - s.drag_y;
    const Vector3 axis{dy == 0 ? 0.0f : -1.0f / static_cast<float>(dy), dx == 0 ? 0.0f : 1.0f / static_cast<float>(dx),
                       0.005f};
    const float angle = static_cast<float>(std::abs(dx + dy)) * 0.03f;
    rotate_about_axis(s.atom_count, s.atom_xyz.data(), {0.0f, 0.0f, 0.0f}, axis, angle);
    render_molecule();
    s.drag_x = x;
    s.drag_y = y;
}

}  // namespace

void init_viewer_geometry()
{
    MoleculeViewerState& s = molecule_viewer_state;
    s.left = 200;
    s.top = 50;
    s.right = 400;
    s.bottom = 250;
    s.viewer_background = qw_rgb(60, 60, 80);
}

void load_molecule(std::int32_t k, std::int32_t mode)
{
    MoleculeViewerState& s = molecule_viewer_state;
    const std::string record = molecule_record(k);
    const std::string_view text = record;
    const std::int32_t n = std::clamp(read_field(text, 0, 2), 0, viewer_max_atoms);
    s.atom_count = n;
    for (std::int32_t i = 1; i <= n; ++i) {
        const std::size_t at = 2 + 15 * static_cast<std::size_t>(i - 1);
        for (std::size_t c = 0; c < 3; ++c)
            s.atom_xyz[3 * static_cast<std::size_t>(i - 1) + c] =
                static_cast<float>(read_field(text, at + 3 + 4 * c, 4)) * 0.01f;
        const std::string_view symbol = text.substr(at, 2);
        for (const AtomStyle& style : atom_styles)
            if (style.symbol == symbol) {
                s.atom_radius[static_cast<std::size_t>(i - 1)] = style.radius;
                s.atom_colour[static_cast<std::size_t>(i - 1)] = style.colour;
                break;
            }
    }
    rotate_about_axis(n, s.atom_xyz.data(), {0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, 0.5f);
    for (auto& row : s.bond_matrix) row.fill(0);
    for (std::int32_t i = 2; i <= n; ++i) {
        const std::int32_t p = read_field(text, 2 + 15 * static_cast<std::size_t>(i - 1) + 2, 1);
        // Only an earlier entry can be linked: a later or missing one would
        // read the entries of some other molecule.
        if (p < 1 || p >= i) continue;
        s.bond_matrix[static_cast<std::size_t>(p - 1)][static_cast<std::size_t>(i - 1)] = 1;
        s.bond_matrix[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(p - 1)] = 1;
    }
    // The second column clear of the list's right border, "HCOOH" included.
    const std::int32_t x = k <= 10 ? 450 : 505;
    const std::int32_t y = k <= 10 ? 30 + 20 * k : 30 + 20 * (k - 10);
    const std::size_t label_start = std::min<std::size_t>(15 * static_cast<std::size_t>(n) + 2, text.size());
    const std::string_view rest = text.substr(label_start);
    const std::string label(rest.substr(0, rest.find_last_not_of(' ') + 1));
    if (mode == 1) {
        draw_markup_text(x, y, "@T1@@C1@" + label);
        return;
    }
    draw_markup_text(x, y, "@T1@@cFFFFFF@" + label);
    filled(0xAA8888, 320, 28, 400, 42);
    draw_markup_text(325, 28, "@T1@@cFFFFFF@" + label);
}

void run_molecule_viewer()
{
    MoleculeViewerState& s = molecule_viewer_state;
    s.viewer_scale = 0.03f;
    init_viewer_geometry();
    s.lease.emplace(on_viewer_mouse);
    filled(0xAA8888, 170, 22, 580, 280);
    filled(0xAA0000, 438, 45, 562, 272);
    filled(0xAA9999, 440, 47, 560, 270);
    filled(0xAA0000, 499, 46, 500, 250);
    qw_rectangle(QwControl::filled, 439, 249, 561, 250);
    draw_markup_text(490, 253, "@T4@@cFFFFFF@Esci");
    draw_markup_text(197, 258, "@T1@@C1@<");
    draw_markup_text(396, 258, "@T1@@C1@>");
    draw_markup_text(283, 258, "@T1@@C1@0.6 nm");
    filled(0xAA0000, 202, 266, 250, 266);
    qw_rectangle(QwControl::filled, 350, 266, 398, 266);
    // Its colon left of the name's box at 320.
    draw_markup_text(210, 28, "@T4@@c00FFFF@Visualizzatore:");
    for (std::int32_t k = 1; k <= molecule_record_count; ++k) load_molecule(k, 1);
    s.current_molecule = random_int(1, 11);
    load_molecule(s.current_molecule, 2);
    filled(0xAA0000, 198, 48, 403, 253);
    filled(s.viewer_background, 200, 50, 401, 251);
    enable_page_mouse();
    render_molecule();
}

void on_viewer_mouse(const MouseEvent& e)
{
    MoleculeViewerState& s = molecule_viewer_state;
    const auto [event, keystate, x, y] = e;
    if (event == kMouseMove) {
        if ((keystate & kMouseStateLeftButton) != 0 && inside_viewport(x, y)) turn_by_drag(x, y);
        return;
    }
    if (event != kMouseLeftDown) return;
    if (inside_viewport(x, y)) {
        s.drag_x = x;
        s.drag_y = y;
    } else if (inside_list(x, y)) {
        choose_molecule((y - 50) / 20 + 1 + (x > 500 ? 10 : 0));
    } else if (inside_exit(x, y)) {
        s.lease.reset();
    }
}
