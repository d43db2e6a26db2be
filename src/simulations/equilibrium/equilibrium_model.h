// The particle model of "Sistemi in equilibrio": up to 250 discs of the
// species A, B and C in a square box, repelling at short range and reacting
// as 2 A = B + C with random standard enthalpy and entropy changes.
// Particles are numbered from 1 in the pair searches and in last_pair
// (0 meaning none); the arrays hold particle p at index p - 1.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

inline constexpr std::int32_t max_particles = 250;
// Room for a whole last block of the pair loop beyond max_particles.
inline constexpr std::int32_t particle_storage = 256;

inline constexpr std::int32_t species_a = 1;
inline constexpr std::int32_t species_b = 2;
inline constexpr std::int32_t species_c = 3;
// Particles, the reaction in the title and the bars, by species code 1..3.
inline constexpr std::array<std::int32_t, 4> species_colour{0, 0xFF8888, 0x9966DD, 0x33FF33};

// Centres stay within these bounds; 800 particles stand for 1 mol/L.
inline constexpr float box_left = 185.0f, box_right = 375.0f;
inline constexpr float box_top = 55.0f, box_bottom = 245.0f;

// run_flag values.
inline constexpr std::int32_t run_going = 0;
inline constexpr std::int32_t run_stop = 1;
inline constexpr std::int32_t run_leave = 2;

// A reaction's expanding mark: drawn on 8 frames, then the slot is free.
struct ReactionFlash {
    std::int32_t frames_left = 0;
    float x = 0.0f, y = 0.0f;
};
inline constexpr std::int32_t flash_slots = 10;

struct EquilibriumModel {
    std::int32_t model_built = 0;
    std::int32_t count_a = 0, count_b = 0, count_c = 0;
    std::int32_t particle_count = 0;
    std::array<std::int32_t, particle_storage> species{};
    // Pixels of the graphics window, and pixels per time unit (100 sub-steps).
    std::array<float, particle_storage> x{}, y{}, vx{}, vy{};
    float delta_h = 0.0f;  // J
    float delta_s = 0.0f;  // J/K
    float equilibrium_constant = 0.0f;
    float temperature = 0.0f;  // degrees Celsius
    // Written by the run's mouse callback on the user-interface thread.
    std::atomic<std::int32_t> run_flag = run_going;
    std::array<std::int32_t, 2> last_pair{};
    std::int32_t box_colour = 0;
    // Never reset by a new build.
    std::array<ReactionFlash, flash_slots> flashes{};
    // Widths in pixels of the A, B and C bars drawn last.
    std::array<std::int32_t, 3> bar_widths{};
    // Rows 1..10 of [A], [B] and [C] last confirmed in the concentration panel.
    std::array<std::int32_t, 3> concentration_rows{6, 6, 6};
};
// The one model of the program's run: a new opening continues from it.
extern EquilibriumModel equilibrium_model;

// A new reaction: |dS| from 40 to 70 J/K, dH within 22500 J of 300 dS and
// at least 10000 J in size; every try draws both again.
void pick_random_reaction_thermo(float& delta_h, float& delta_s);
// K = exp(-dG / RT) at the model's temperature.
void update_equilibrium_constant(EquilibriumModel& m);

// Refills the particle set: A first, then B, then C, at random places with
// random speeds scaled to the mean squared speed 9 kelvin(T) / 323.15,
// or to 9 when at_temperature is false (the first opening).
void place_particles(EquilibriumModel& m, std::int32_t a, std::int32_t b, std::int32_t c, bool at_temperature);
// Lets the random start settle without drawing: 600 sub-steps.
void relax_particles(EquilibriumModel& m);

// One sub-step: moves, bounces off the walls, pushes neighbours apart and
// keeps the sum of squared speeds as it was before the step.
void advance_particles(EquilibriumModel& m, float dt);
// The total force on particle number i from the others closer than 10 px.
void compute_repulsion_force(const EquilibriumModel& m, std::int32_t i, float& fx, float& fy);
// Every velocity scaled to a temperature change from t_old to the model's.
void rescale_for_temperature(EquilibriumModel& m, float t_old);

// The closest pair closer than 10 px (numbers from 1, lower first) and its
// midpoint; i is 0 when there is none.
struct ParticlePair {
    std::int32_t i = 0, j = 0;
    float xm = 0.0f, ym = 0.0f;
};
ParticlePair find_closest_aa_pair(const EquilibriumModel& m);
ParticlePair find_closest_bc_pair(const EquilibriumModel& m);

// The chance of a reaction trial, from the particle count and temperature.
float reaction_probability(std::int32_t n, float temperature);
// One trial per displayed frame: the closest A-A pair becomes B and C or
// the closest B-C pair two A, with the odds ten to one toward K.
void attempt_reaction_step(EquilibriumModel& m);
