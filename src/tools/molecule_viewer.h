// "&Visualizzatore": ball-and-stick pictures of the built-in molecules,
// turned by dragging with the left button. The viewer leases the page, draws
// its screen, gives the page's events to its own mouse and returns; its
// "Esci" ends the lease.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "frame/screen_lease.h"
#include "platform/mouse.h"

inline constexpr std::int32_t viewer_max_atoms = 20;
inline constexpr std::int32_t viewer_pixels = 200;

struct MoleculeViewerState {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;  // viewport, screen pixels
    // Ångström per pixel: the world window is -3..3 ångström both ways.
    float viewer_scale = 0.03f;
    std::int32_t viewer_background = 0;
    std::int32_t current_molecule = 1;
    std::int32_t atom_count = 0;
    std::array<float, 3 * viewer_max_atoms> atom_xyz{};  // ångström, turned state
    std::array<float, viewer_max_atoms> atom_radius{};
    std::array<std::array<std::int32_t, 3>, viewer_max_atoms> atom_colour{};
    std::array<std::array<std::int32_t, viewer_max_atoms>, viewer_max_atoms> bond_matrix{};
    // frame_buffer[ix - 1][iy - 1] is screen pixel (200 + ix, 50 + iy).
    std::array<std::array<std::int32_t, viewer_pixels>, viewer_pixels> frame_buffer{};
    std::array<float, 3> light_position{4.5f, 3.0f, 5.0f};
    std::int32_t drag_x = 0, drag_y = 0;
    std::optional<ScreenLease> lease;  // held from the start to "Esci"
};
extern MoleculeViewerState molecule_viewer_state;

// The "&Strumenti" item.
void run_molecule_viewer();
void init_viewer_geometry();
// Parses record k into the state, tilts it and draws its label: mode 1 as a
// list entry, mode 2 as the selected one and in the title.
void load_molecule(std::int32_t k, std::int32_t mode);
// Composes the picture in the frame buffer and copies it to the screen.
void render_molecule();
// order := 1..n sorted by ascending z of the n points in xyz.
void sort_atoms_by_depth(const float* xyz, std::int32_t n, std::int32_t* order);
void on_viewer_mouse(const MouseEvent& e);
