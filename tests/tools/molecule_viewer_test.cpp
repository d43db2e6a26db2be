// The molecule viewer: its records, the depth order, the nearest-first
// picture, and the screen driven by scripted mouse events until "Esci"
// gives the problem page and its handler back.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <set>
#include <string>

#include "frame/app_state.h"
#include "numbers/random_stream.h"
#include "platform/events.h"
#include "platform/mouse.h"
#include "tools/molecule_records.h"
#include "tools/molecule_viewer.h"
#include "viewers_fixture.h"

namespace tools_test {
namespace {

using MoleculeViewer = StartedProgram;

std::int32_t bond_count()
{
    std::int32_t bonds = 0;
    for (const auto& row : molecule_viewer_state.bond_matrix)
        for (std::int32_t b : row) bonds += b;
    return bonds / 2;
}

// Turns p about the unit direction of d through the origin (right hand).
std::array<double, 3> turned(std::array<double, 3> p, std::array<double, 3> d, double angle)
{
    const double len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    for (double& c : d) c /= len;
    const double dot = p[0] * d[0] + p[1] * d[1] + p[2] * d[2];
    const std::array<double, 3> cross{d[1] * p[2] - d[2] * p[1], d[2] * p[0] - d[0] * p[2], d[0] * p[1] - d[1] * p[0]};
    std::array<double, 3> r{};
    for (int c = 0; c < 3; ++c)
        r[c] = p[c] * std::cos(angle) + cross[c] * std::sin(angle) + d[c] * dot * (1 - std::cos(angle));
    return r;
}

void expect_points(const std::array<float, 60>& before, const std::array<double, 3>& axis, double angle, std::int32_t n)
{
    for (std::int32_t i = 0; i < n; ++i) {
        const auto want = turned({before[3 * i], before[3 * i + 1], before[3 * i + 2]}, axis, angle);
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(molecule_viewer_state.atom_xyz[3 * i + c], want[c], 2e-5) << "entry " << i + 1;
    }
}

std::uint64_t buffer_hash()
{
    std::uint64_t h = 1469598103934665603ull;
    for (const auto& column : molecule_viewer_state.frame_buffer)
        for (std::int32_t c : column) h = (h ^ static_cast<std::uint32_t>(c)) * 1099511628211ull;
    return h;
}

TEST_F(MoleculeViewer, RecordsGiveTheirEntriesBondsAndTheTilt)
{
    struct Expected {
        std::int32_t atoms, bonds;
    };
    constexpr std::array<Expected, 20> expected{{{5, 2}, {6, 2},  {4, 3}, {5, 3}, {6, 3}, {5, 4}, {6, 4},
                                                 {7, 4}, {6, 5},  {7, 5}, {7, 6}, {0, 0}, {5, 4}, {5, 4},
                                                 {7, 4}, {11, 4}, {8, 4}, {9, 5}, {8, 5}, {10, 6}}};
    init_viewer_geometry();
    for (std::int32_t k = 1; k <= 20; ++k) {
        load_molecule(k, 1);
        EXPECT_EQ(molecule_viewer_state.atom_count, expected[k - 1].atoms) << k;
        EXPECT_EQ(bond_count(), expected[k - 1].bonds) << k;
    }
    EXPECT_EQ(molecule_record(3).substr(0, 35), " 4 B0000000000000 F1-08001380000 F1");
    EXPECT_EQ(molecule_record(12), std::string(300, ' '));
    // Water's first hydrogen (0.64, 0, 0.96) tilted by 0.5 rad about x.
    load_molecule(1, 1);
    EXPECT_NEAR(molecule_viewer_state.atom_xyz[3], 0.64, 1e-6);
    EXPECT_NEAR(molecule_viewer_state.atom_xyz[4], -0.96 * std::sin(0.5), 1e-6);
    EXPECT_NEAR(molecule_viewer_state.atom_xyz[5], 0.96 * std::cos(0.5), 1e-6);
    EXPECT_EQ(molecule_viewer_state.atom_radius[3], 0.6f);  // a lone pair
    EXPECT_EQ(molecule_viewer_state.atom_colour[1], (std::array<std::int32_t, 3>{0, 250, 250}));
}

TEST(MoleculeDepth, SortsByAscendingZ)
{
    const std::array<float, 15> xyz{9, 9, 0.5f, 9, 9, -1.0f, 9, 9, 0.2f, 9, 9, 3.0f, 9, 9, -2.0f};
    std::array<std::int32_t, 5> order{};
    sort_atoms_by_depth(xyz.data(), 5, order.data());
    EXPECT_EQ(order, (std::array<std::int32_t, 5>{5, 2, 3, 1, 4}));
}

TEST_F(MoleculeViewer, NearestSphereHidesTheFartherAndOnlyBackgroundIsPainted)
{
    init_viewer_geometry();
    load_molecule(3, 1);  // boron trifluoride, then placed by hand
    MoleculeViewerState& s = molecule_viewer_state;
    s.atom_count = 2;
    for (auto& row : s.bond_matrix) row.fill(0);
    s.atom_xyz = {};
    s.atom_xyz[2] = -1.0f;  // the boron far away
    s.atom_xyz[5] = 1.0f;   // a fluorine in front of it
    s.atom_radius[0] = s.atom_radius[1] = 0.55f;
    render_molecule();
    // The middle of the picture (0, 0) is screen (300, 150): the fluorine's
    // lit green, never the boron's blue component.
    const auto middle = s.frame_buffer[99][99];
    EXPECT_EQ((middle >> 16) & 0xFF, 0) << std::hex << middle;
    EXPECT_GT((middle >> 8) & 0xFF, 0);
    // Both share one outline: nothing of the boron shows round the front one.
    std::set<std::int32_t> colours;
    for (const auto& column : s.frame_buffer)
        for (std::int32_t c : column) colours.insert(c);
    for (std::int32_t c : colours) EXPECT_TRUE(c == s.viewer_background || ((c >> 16) & 0xFF) == 0) << std::hex << c;
    EXPECT_EQ(backend.log_lines("pixel ").size(), 40000u);
}

TEST_F(MoleculeViewer, PicturesAreFixedByTheSeedAndLonePairsAreStippled)
{
    init_viewer_geometry();
    const auto picture = [](std::int32_t k, std::int32_t seed) {
        load_molecule(k, 1);
        set_random_seed(seed);
        render_molecule();
        return buffer_hash();
    };
    EXPECT_EQ(picture(1, 7), picture(1, 7));
    EXPECT_NE(picture(1, 7), picture(1, 8));  // water's lone pairs
    EXPECT_EQ(picture(6, 7), picture(6, 8));  // no lone pair: no draw
}

TEST_F(MoleculeViewer, ListDragAndExitGiveThePageBack)
{
    const std::string problem = problem_texts.problem_text;
    ASSERT_TRUE(backend.click_menu_item(5, 6));
    MoleculeViewerState& s = molecule_viewer_state;
    EXPECT_GE(s.current_molecule, 1);
    EXPECT_LE(s.current_molecule, 11);
    for (std::size_t menu = 0; menu < 9; ++menu) EXPECT_NE(backend.menus()[menu].flags & kQwMenuGreyed, 0) << menu;
    const auto click = [](std::int32_t x, std::int32_t y) {
        platform::deliver_mouse_event({kMouseLeftDown, kMouseStateLeftButton, x, y});
    };
    const std::int32_t first = s.current_molecule;
    click(520, 75);  // the empty slot 12
    EXPECT_EQ(s.current_molecule, first);
    click(520, 155);  // carbon dioxide
    EXPECT_EQ(s.current_molecule, 16);
    EXPECT_EQ(s.atom_count, 11);

    click(300, 150);
    const auto before = s.atom_xyz;
    platform::deliver_mouse_event({kMouseMove, kMouseStateLeftButton, 310, 150});
    expect_points(before, {0, 0.1, 0.005}, 0.3, s.atom_count);
    const auto turned_once = s.atom_xyz;
    platform::deliver_mouse_event({kMouseMove, kMouseStateLeftButton, 315, 145});  // along the rising diagonal
    EXPECT_EQ(s.atom_xyz, turned_once);
    platform::deliver_mouse_event({kMouseMove, 0, 340, 150});  // button up: no turn
    EXPECT_EQ(s.atom_xyz, turned_once);

    backend.clear_log();
    click(500, 260);  // "Esci"
    for (std::size_t menu = 0; menu < 9; ++menu) EXPECT_EQ(backend.menus()[menu].flags & kQwMenuGreyed, 0) << menu;
    EXPECT_EQ(problem_texts.problem_text, problem);
    EXPECT_NE(drawn_text().find("Problema 1.1"), std::string::npos);
    click(450, 95);  // the page handler has the mouse again: no molecule chosen
    EXPECT_EQ(s.current_molecule, 16);
}

}  // namespace
}  // namespace tools_test
