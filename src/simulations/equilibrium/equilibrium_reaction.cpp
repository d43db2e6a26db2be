// The reaction trial of each displayed frame and the pair searches it uses.
#include <cmath>

#include "numbers/random_stream.h"
#include "numbers/thermal_constants.h"
#include "platform/runtime.h"
#include "simulations/equilibrium/equilibrium_drawing.h"
#include "simulations/equilibrium/equilibrium_model.h"

namespace {

template <typename Qualifies>
ParticlePair find_closest_pair(const EquilibriumModel& m, Qualifies qualifies)
{
    ParticlePair pair;
    float best = 0.0f;
    for (std::int32_t p = 0; p < m.particle_count; ++p) {
        for (std::int32_t q = 0; q < m.particle_count; ++q) {
            if (p == q || !qualifies(m.species[p], m.species[q])) continue;
            const float dx = m.x[q] - m.x[p], dy = m.y[q] - m.y[p];
            const float r2 = dx * dx + dy * dy;
            if (r2 > 100.0f || r2 == 0.0f) continue;
            const float g = 1000000.0f / (r2 * r2 * r2) - 1.0f;
            if (g > best) {
                best = g;
                pair.i = p + 1;
                pair.j = q + 1;
            }
        }
    }
    if (pair.i != 0) {
        pair.xm = (m.x[pair.i - 1] + m.x[pair.j - 1]) / 2.0f;
        pair.ym = (m.y[pair.i - 1] + m.y[pair.j - 1]) / 2.0f;
    }
    return pair;
}

bool is_last_pair(const EquilibriumModel& m, const ParticlePair& pair)
{
    return (pair.i == m.last_pair[0] && pair.j == m.last_pair[1]) ||
           (pair.i == m.last_pair[1] && pair.j == m.last_pair[0]);
}

// Turns the pair into `first` and `second`; the counts follow.
void react(EquilibriumModel& m, const ParticlePair& pair, std::int32_t first, std::int32_t second)
{
    if (pair.i == 0 || is_last_pair(m, pair)) return;
    const std::int32_t step = first == species_a ? -1 : 1;  // -1: B and C back to two A
    m.count_a -= 2 * step;
    m.count_b += step;
    m.count_c += step;
    m.species[pair.i - 1] = first;
    m.species[pair.j - 1] = second;
    update_reaction_flashes(m, flash_start, pair.xm, pair.ym);
    rt_beep(150, 20);
    m.last_pair = {pair.i, pair.j};
}

}  // namespace

ParticlePair find_closest_aa_pair(const EquilibriumModel& m)
{
    return find_closest_pair(m, [](std::int32_t p, std::int32_t q) { return p == species_a && q == species_a; });
}

ParticlePair find_closest_bc_pair(const EquilibriumModel& m)
{
    return find_closest_pair(m, [](std::int32_t p, std::int32_t q) {
        return (p == species_b && q == species_c) || (p == species_c && q == species_b);
    });
}

float reaction_probability(std::int32_t n, float temperature)
{
    // An Arrhenius factor with Ea/R = 1000 K, 1 at 25 C.
    const float p = static_cast<float>(n) * 0.00060185185f *
                    std::exp(1000.0f * (temperature - 25.0f) / ((temperature + celsius_zero_f) * standard_kelvin_f));
    return p > 1.0f ? 1.0f : p;
}

void attempt_reaction_step(EquilibriumModel& m)
{
    // The volume cancels: two particles on either side.
    const float q = m.count_a == 0 ? 1.0e20f
                                   : static_cast<float>(m.count_b) * static_cast<float>(m.count_c) /
                                         (static_cast<float>(m.count_a) * static_cast<float>(m.count_a));
    const float p = reaction_probability(m.particle_count, m.temperature);
    const bool forward_favoured = m.equilibrium_constant >= q;
    const float forward = forward_favoured ? p : 0.1f * p;
    const float reverse = forward_favoured ? 0.1f * p : p;
    const float u = random_real(0.0f, 1.0f);
    if (u > forward + reverse) return;
    if (u <= forward)
        react(m, find_closest_aa_pair(m), species_b, species_c);
    else
        react(m, find_closest_bc_pair(m), species_a, species_a);
}
