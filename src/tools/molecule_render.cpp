// The picture of the viewer: spheres and bonds painted nearest first into
// the frame buffer, each step touching only cells that still hold the
// background, so what is nearer hides what is farther without a depth
// buffer.
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <vector>

#include "numbers/random_stream.h"
#include "numerics/sort_permutation.h"
#include "numerics/vector_geometry.h"
#include "platform/graphics.h"
#include "tools/molecule_viewer.h"

namespace {

constexpr float pixels_per_angstrom = 200.0f / 6.0f;

std::int32_t screen_column(float x)
{
    return static_cast<std::int32_t>(200.0f + (x + 3.0f) * pixels_per_angstrom);
}
std::int32_t screen_row(float y)
{
    return static_cast<std::int32_t>(50.0f + (y + 3.0f) * pixels_per_angstrom);
}

// The cell of screen pixel (x, y), or null outside the buffer.
std::int32_t* cell(std::int32_t x, std::int32_t y)
{
    const std::int32_t ix = x - 200, iy = y - 50;
    if (ix < 1 || ix > viewer_pixels || iy < 1 || iy > viewer_pixels) return nullptr;
    return &molecule_viewer_state.frame_buffer[static_cast<std::size_t>(ix - 1)][static_cast<std::size_t>(iy - 1)];
}

bool is_background(const std::int32_t* c)
{
    return c && *c == molecule_viewer_state.viewer_background;
}

Vector3 atom_position(std::int32_t i)
{
    const float* p = &molecule_viewer_state.atom_xyz[static_cast<std::size_t>(3 * (i - 1))];
    return {p[0], p[1], p[2]};
}

void draw_molecule_atoms(const Vector3& position, const std::array<std::int32_t, 3>& colour, float radius,
                         const Vector3& light)
{
    if (radius == 0.0f) return;
    const std::int32_t cx = screen_column(position[0]), cy = screen_row(position[1]);
    const auto rp = static_cast<std::int32_t>(radius * pixels_per_angstrom);
    const float nearest = vector_length_3(vector_difference_3(position, light)) - radius;
    const float m = nearest * nearest;
    for (std::int32_t x = cx - rp; x <= cx + rp; ++x)
        for (std::int32_t y = cy - rp; y <= cy + rp; ++y) {
            std::int32_t* c = cell(x, y);
            if (!is_background(c)) continue;
            const float u = static_cast<float>(x - cx) / pixels_per_angstrom;
            const float v = static_cast<float>(y - cy) / pixels_per_angstrom;
            if (u * u + v * v > radius * radius) continue;
            const float w = std::sqrt(radius * radius - u * u - v * v);
            const Vector3 surface{position[0] + u, position[1] + v, position[2] + w};
            const Vector3 to_light = vector_difference_3(surface, light);
            const float q = m / dot_product_3(to_light, to_light);
            // No cell is brighter than its colour: a cell on the light itself
            // (0/0) is at full colour, never a number no pixel can take.
            const float f = q <= 1.0f ? q * q * q * q * q : 1.0f;
            // A lone pair shows through: half its cells, at random.
            if (colour[0] == 255 && random_int(1, 2) == 1) continue;
            *c = qw_rgb(static_cast<std::int32_t>(static_cast<float>(colour[0]) * f),
                        static_cast<std::int32_t>(static_cast<float>(colour[1]) * f),
                        static_cast<std::int32_t>(static_cast<float>(colour[2]) * f));
        }
}

void paint_brush(std::int32_t x, std::int32_t y, std::int32_t half_height, std::int32_t colour)
{
    for (std::int32_t bx = x - 3; bx <= x + 3; ++bx)
        for (std::int32_t by = y - half_height; by <= y + half_height; ++by)
            if (std::int32_t* c = cell(bx, by); is_background(c)) *c = colour;
}

std::int32_t dimmed(const std::array<std::int32_t, 3>& colour)
{
    return qw_rgb(static_cast<std::int32_t>(0.7f * static_cast<float>(colour[0])),
                  static_cast<std::int32_t>(0.7f * static_cast<float>(colour[1])),
                  static_cast<std::int32_t>(0.7f * static_cast<float>(colour[2])));
}

void draw_molecule_bonds(const Vector3& pi, float ri, const std::array<std::int32_t, 3>& colour_i, const Vector3& pj,
                         float rj, const std::array<std::int32_t, 3>& colour_j)
{
    const Vector3 d = vector_difference_3(pi, pj);
    const float len = vector_length_3(d);
    if (len == 0.0f) return;  // two entries in one place: no direction to draw
    const Vector3 a = vector_sum_3(pi, scale_vector_3(d, ri / len));
    const Vector3 b = vector_sum_3(pi, scale_vector_3(d, std::fabs(1.0f - rj / len)));
    const std::int32_t xa = screen_column(a[0]), ya = screen_row(a[1]);
    const std::int32_t xb = screen_column(b[0]), yb = screen_row(b[1]);
    const std::int32_t span_x = std::abs(xb - xa), span_y = std::abs(yb - ya);
    if (span_x < 4 && span_y < 4) return;
    const std::int32_t ci = dimmed(colour_i), cj = dimmed(colour_j);
    if (span_x >= 4) {
        const std::int32_t step = xb < xa ? -1 : 1;
        const std::int32_t w = span_x <= 5 ? span_x : 3;
        const auto row_at = [&](std::int32_t x) { return ya + (x - xa) * (yb - ya) / (xb - xa); };
        std::int32_t x = xa;
        for (std::int32_t k = 0; k < span_x / 2 + 1; ++k, x += step) paint_brush(x, row_at(x), w, ci);
        for (x = xa + (xb - xa) / 2; x != xb + step; x += step) paint_brush(x, row_at(x), w, cj);
    } else {
        const std::int32_t step = yb < ya ? -1 : 1;
        const auto column_at = [&](std::int32_t y) { return xa + (y - ya) * (xb - xa) / (yb - ya); };
        std::int32_t y = ya;
        for (std::int32_t k = 0; k < span_y / 2 + 1; ++k, y += step) paint_brush(column_at(y), y, 3, ci);
        for (y = ya + (yb - ya) / 2; y != yb + step; y += step) paint_brush(column_at(y), y, 3, cj);
    }
}

}  // namespace

void sort_atoms_by_depth(const float* xyz, std::int32_t n, std::int32_t* order)
{
    if (n < 1) return;
    std::vector<float> depth(static_cast<std::size_t>(n));
    for (std::int32_t i = 0; i < n; ++i) depth[static_cast<std::size_t>(i)] = xyz[3 * i + 2];
    std::vector<float> sorted(depth.size());
    std::iota(order, order + n, 1);
    SVRGP(n, depth.data(), sorted.data(), order);
}

void render_molecule()
{
    MoleculeViewerState& s = molecule_viewer_state;
    const std::int32_t n = s.atom_count;
    std::vector<std::int32_t> order(static_cast<std::size_t>(n));
    const std::vector<float> xyz(s.atom_xyz.begin(), s.atom_xyz.begin() + 3 * n);
    sort_atoms_by_depth(xyz.data(), n, order.data());
    for (auto& column : s.frame_buffer) column.fill(s.viewer_background);
    auto bonds = s.bond_matrix;
    const Vector3 light{s.light_position[0], s.light_position[1], s.light_position[2]};
    for (std::int32_t k = n; k >= 1; --k) {
        const std::int32_t i = order[static_cast<std::size_t>(k - 1)];
        const auto ui = static_cast<std::size_t>(i - 1);
        draw_molecule_atoms(atom_position(i), s.atom_colour[ui], s.atom_radius[ui], light);
        for (std::int32_t j = 1; j <= viewer_max_atoms; ++j) {
            const auto uj = static_cast<std::size_t>(j - 1);
            if (bonds[ui][uj] == 0) continue;
            draw_molecule_bonds(atom_position(i), s.atom_radius[ui], s.atom_colour[ui], atom_position(j),
                                s.atom_radius[uj], s.atom_colour[uj]);
            bonds[ui][uj] = bonds[uj][ui] = 0;
        }
    }
    // No whole-image call on this platform: the picture goes out pixel by pixel.
    for (std::int32_t ix = 1; ix <= viewer_pixels; ++ix)
        for (std::int32_t iy = 1; iy <= viewer_pixels; ++iy)
            qw_set_pixel_rgb(200 + ix, 50 + iy,
                             s.frame_buffer[static_cast<std::size_t>(ix - 1)][static_cast<std::size_t>(iy - 1)]);
}
