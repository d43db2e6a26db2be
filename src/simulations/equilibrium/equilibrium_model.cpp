#include "simulations/equilibrium/equilibrium_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"

EquilibriumModel equilibrium_model;

namespace {

// Two particles closer than 0.1 px would push each other with forces whose
// squares overflow, and the speed rescale would turn them into NaN.
constexpr float max_repulsion = 1.0e12f;
// The pair loop looks at four neighbours at once and goes through them one
// by one only when one of them is close: the same sums in the same order,
// at a fraction of the cost (every ordered pair is examined each sub-step).
constexpr std::int32_t pair_block = 4;
using FourFloats = float __attribute__((vector_size(pair_block * sizeof(float))));

bool any_within_reach(const EquilibriumModel& m, std::int32_t first, float xi, float yi)
{
    FourFloats x, y;
    std::memcpy(&x, &m.x[first], sizeof x);
    std::memcpy(&y, &m.y[first], sizeof y);
    const FourFloats dx = x - xi, dy = y - yi;
    const auto near = dx * dx + dy * dy <= 100.0f;
    return (near[0] | near[1] | near[2] | near[3]) != 0;
}

float sum_of_squared_speeds(const EquilibriumModel& m)
{
    float s = 0.0f;
    for (std::int32_t k = 0; k < m.particle_count; ++k) s += m.vx[k] * m.vx[k] + m.vy[k] * m.vy[k];
    return s;
}

void scale_velocities(EquilibriumModel& m, float factor)
{
    for (std::int32_t k = 0; k < m.particle_count; ++k) {
        m.vx[k] *= factor;
        m.vy[k] *= factor;
    }
}

// A step past a wall is undone and taken once more the other way.
void bounce(float& p, float& v, float dt, float low, float high)
{
    p += v * dt;
    if (p < low || p > high) {
        v = -v;
        p += 2.0f * v * dt;
    }
}

}  // namespace

void pick_random_reaction_thermo(float& delta_h, float& delta_s)
{
    do {
        delta_s = random_real(40.0f, 70.0f);
        if (random_real(0.0f, 1.0f) < 0.5f) delta_s = -delta_s;
        delta_h = random_real(300.0f * (delta_s - 75.0f), 300.0f * (delta_s + 75.0f));
    } while (std::fabs(delta_h) < 10000.0f);
}

void update_equilibrium_constant(EquilibriumModel& m)
{
    const float t = kelvin(m.temperature);
    const float delta_g = m.delta_h - m.delta_s * t;
    m.equilibrium_constant = std::exp(-delta_g / (gas_constant_joule_f * t));
}

void place_particles(EquilibriumModel& m, std::int32_t a, std::int32_t b, std::int32_t c, bool at_temperature)
{
    m.count_a = a;
    m.count_b = b;
    m.count_c = c;
    m.particle_count = a + b + c;
    for (std::int32_t k = 0; k < m.particle_count; ++k) {
        m.species[k] = k < a ? species_a : k < a + b ? species_b : species_c;
        m.x[k] = random_real(box_left, box_right);
        m.y[k] = random_real(box_top, box_bottom);
        m.vx[k] = random_real(-5.0f, 5.0f);
        m.vy[k] = random_real(-5.0f, 5.0f);
    }
    const float s = sum_of_squared_speeds(m);
    if (s == 0.0f) return;  // nothing moves: no speed to scale
    float factor = std::sqrt(9.0f * static_cast<float>(m.particle_count) / s);
    if (at_temperature) factor *= std::sqrt(kelvin(m.temperature) * 0.0030945381f);
    scale_velocities(m, factor);
}

void relax_particles(EquilibriumModel& m)
{
    for (int k = 0; k < 300; ++k) advance_particles(m, 0.02f);
    for (int k = 0; k < 300; ++k) advance_particles(m, 0.01f);
}

void advance_particles(EquilibriumModel& m, float dt)
{
    const float ke0 = sum_of_squared_speeds(m);
    for (std::int32_t k = 0; k < m.particle_count; ++k) {
        bounce(m.x[k], m.vx[k], dt, box_left, box_right);
        bounce(m.y[k], m.vy[k], dt, box_top, box_bottom);
        float fx = 0.0f, fy = 0.0f;
        compute_repulsion_force(m, k + 1, fx, fy);
        m.vx[k] += dt * fx;
        m.vy[k] += dt * fy;
    }
    const float ke1 = sum_of_squared_speeds(m);
    if (ke1 == 0.0f) return;  // everything at rest: nothing to rescale
    scale_velocities(m, std::sqrt(ke0 / ke1));
}

void compute_repulsion_force(const EquilibriumModel& m, std::int32_t i, float& fx, float& fy)
{
    fx = 0.0f;
    fy = 0.0f;
    const std::int32_t self = i - 1;
    const float xi = m.x[self], yi = m.y[self];
    for (std::int32_t first = 0; first < m.particle_count; first += pair_block) {
        if (!any_within_reach(m, first, xi, yi)) continue;
        const std::int32_t last = std::min(first + pair_block, m.particle_count);
        for (std::int32_t j = first; j < last; ++j) {
            const float dx = m.x[j] - xi, dy = m.y[j] - yi;
            const float r2 = dx * dx + dy * dy;
            if (j == self || r2 > 100.0f || r2 == 0.0f) continue;
            const float r = std::sqrt(r2);
            const float f = std::min(1000000.0f / (r2 * r2 * r2) - 1.0f, max_repulsion);
            fx -= dx * f / r;
            fy -= dy * f / r;
        }
    }
}

void rescale_for_temperature(EquilibriumModel& m, float t_old)
{
    scale_velocities(m, std::sqrt(kelvin(m.temperature) / kelvin(t_old)));
}
