// The particle model: reaction odds, bars, reaction data, motion over many
// steps, the pair searches and their refusal of the last pair, and flashes.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "numbers/random_stream.h"
#include "simulations/equilibrium/equilibrium_drawing.h"
#include "simulations/equilibrium/equilibrium_model.h"
#include "simulations/equilibrium/equilibrium_panels.h"
#include "support/platform_fixtures.h"

namespace {

struct Particle {
    std::int32_t species;
    float x, y;
};

// A model of the given particles at rest (the counts follow the species).
std::unique_ptr<EquilibriumModel> model_of(const std::vector<Particle>& particles)
{
    auto m = std::make_unique<EquilibriumModel>();
    for (const Particle& p : particles) {
        const auto k = static_cast<std::size_t>(m->particle_count++);
        m->species[k] = p.species;
        m->x[k] = p.x;
        m->y[k] = p.y;
        (p.species == species_a ? m->count_a : p.species == species_b ? m->count_b : m->count_c) += 1;
    }
    return m;
}

float squared_speeds(const EquilibriumModel& m)
{
    double s = 0.0;
    for (std::int32_t k = 0; k < m.particle_count; ++k) s += m.vx[k] * m.vx[k] + m.vy[k] * m.vy[k];
    return static_cast<float>(s);
}

TEST(EquilibriumModel, ReactionOddsAndBarWidths)
{
    struct Odds {
        std::int32_t n;
        float celsius, p;
    };
    for (const Odds& c : {Odds{120, 25.0f, 0.0722f}, Odds{120, 50.0f, 0.0936f}, Odds{120, 450.0f, 0.5185f},
                          Odds{216, 450.0f, 0.9333f}, Odds{250, 450.0f, 1.0f}})
        EXPECT_NEAR(reaction_probability(c.n, c.celsius), c.p, 6e-5) << c.n << " at " << c.celsius;
    EXPECT_EQ(bar_width(40, 120), 57);
    EXPECT_EQ(bar_width(40, 216), 28);
    EXPECT_EQ(bar_width(120, 120), 170);
    EXPECT_EQ(bar_width(240, 240), 170);
}

TEST(EquilibriumModel, ReactionDataStayInTheirRangesAndGiveK)
{
    set_random_seed(12345);
    EquilibriumModel m;
    m.temperature = 125.0f;
    for (int draw = 0; draw < 500; ++draw) {
        pick_random_reaction_thermo(m.delta_h, m.delta_s);
        ASSERT_GE(std::fabs(m.delta_s), 40.0f);
        ASSERT_LE(std::fabs(m.delta_s), 70.0f);
        ASSERT_LE(std::fabs(m.delta_h - 300.0f * m.delta_s), 22500.0f * 1.0001f);
        ASSERT_GE(std::fabs(m.delta_h), 10000.0f);
        update_equilibrium_constant(m);
        const double t = 398.15;
        const double k = std::exp(-(m.delta_h - m.delta_s * t) / (8.314 * t));
        ASSERT_NEAR(m.equilibrium_constant / k, 1.0, 1e-4);
    }
}

TEST(EquilibriumModel, ParticlesStayInsideAndKeepTheirEnergyOver10000Steps)
{
    set_random_seed(777);
    EquilibriumModel m;
    m.temperature = 450.0f;
    place_particles(m, 32, 16, 16, true);
    // The set speed: 9 (T + 273.15) / 323.15 on average.
    const float energy = squared_speeds(m);
    EXPECT_NEAR(energy / (64.0f * 9.0f * 723.15f / 323.15f), 1.0f, 1e-4f);
    for (int step = 0; step < 10000; ++step) {
        advance_particles(m, 0.01f);
        for (std::int32_t k = 0; k < m.particle_count; ++k) {
            ASSERT_TRUE(m.x[k] >= 185.0f && m.x[k] <= 375.0f) << step << ": " << m.x[k];
            ASSERT_TRUE(m.y[k] >= 55.0f && m.y[k] <= 245.0f) << step << ": " << m.y[k];
        }
    }
    EXPECT_NEAR(squared_speeds(m) / energy, 1.0f, 1e-3f);
    // Cooling to 50 C scales the energy with the absolute temperature.
    m.temperature = 50.0f;
    rescale_for_temperature(m, 450.0f);
    EXPECT_NEAR(squared_speeds(m) / energy, 323.15f / 723.15f, 1e-3f);
}

TEST(EquilibriumModel, RepulsionIsShortRangedAndStaysFiniteAtContact)
{
    float fx = 0.0f, fy = 0.0f;
    // (10/5)^6 - 1 = 63 along the line, pushing particle 1 away.
    compute_repulsion_force(*model_of({{1, 200.0f, 100.0f}, {1, 203.0f, 104.0f}}), 1, fx, fy);
    EXPECT_FLOAT_EQ(fx, -3.0f * 63.0f / 5.0f);
    EXPECT_FLOAT_EQ(fy, -4.0f * 63.0f / 5.0f);
    compute_repulsion_force(*model_of({{1, 200.0f, 100.0f}, {1, 210.0f, 100.0f}}), 2, fx, fy);
    EXPECT_EQ(fx, 0.0f);
    EXPECT_EQ(fy, 0.0f);

    // Two particles a float's step apart, the others at rest far away: the
    // push is bounded and nothing becomes NaN; at rest nothing moves.
    auto m = model_of({{1, 200.0f, 100.0f}, {1, 200.00002f, 100.0f}, {2, 300.0f, 200.0f}, {3, 350.0f, 80.0f}});
    m->vx[2] = 1.0f;
    for (int step = 0; step < 100; ++step) advance_particles(*m, 0.01f);
    for (std::int32_t k = 0; k < 4; ++k) {
        EXPECT_TRUE(std::isfinite(m->x[k]) && std::isfinite(m->vx[k])) << k;
        EXPECT_TRUE(m->x[k] >= 185.0f && m->x[k] <= 375.0f) << k;
    }
    EXPECT_NEAR(squared_speeds(*m), 1.0f, 1e-4f);
    auto still = model_of({{1, 200.0f, 100.0f}, {2, 300.0f, 200.0f}});
    advance_particles(*still, 0.01f);
    EXPECT_EQ(squared_speeds(*still), 0.0f);
    EXPECT_EQ(still->x[0], 200.0f);
}

TEST(EquilibriumModel, PairSearchesTakeTheClosestPairLowerNumberFirst)
{
    struct Case {
        std::vector<Particle> particles;
        bool bc;
        std::int32_t i, j;
    };
    const std::vector<Case> cases{
        // 1-3 at 6 px beats 1-4 at 8 px; 3-4 at exactly 10 px never counts; B ignored.
        {{{1, 200, 100}, {2, 203, 100}, {1, 206, 100}, {1, 200, 108}}, false, 1, 3},
        {{{1, 200, 100}, {1, 210, 100}}, false, 0, 0},
        // A tie goes to the pair found first.
        {{{1, 300, 100}, {1, 300, 105}, {1, 200, 100}, {1, 200, 105}}, false, 1, 2},
        // B and C in either order; two B never pair.
        {{{3, 200, 100}, {2, 204, 100}, {2, 201, 100}}, true, 1, 3},
        {{{2, 200, 100}, {2, 202, 100}, {3, 220, 100}}, true, 0, 0},
    };
    for (const Case& c : cases) {
        const auto m = model_of(c.particles);
        const ParticlePair pair = c.bc ? find_closest_bc_pair(*m) : find_closest_aa_pair(*m);
        EXPECT_EQ(pair.i, c.i) << c.particles.size() << " " << c.bc;
        EXPECT_EQ(pair.j, c.j) << c.particles.size() << " " << c.bc;
    }
    const ParticlePair pair = find_closest_aa_pair(*model_of(cases[0].particles));
    EXPECT_FLOAT_EQ(pair.xm, 203.0f);
    EXPECT_FLOAT_EQ(pair.ym, 100.0f);
}

using EquilibriumReaction = testing_support::RecordingTest;

TEST_F(EquilibriumReaction, TheLastPairIsRefusedInEitherOrderAndDirection)
{
    // 250 particles 12 px apart (so P = 1 at 450 C) but for one close A pair.
    std::vector<Particle> grid;
    for (int k = 0; k < 250; ++k) grid.push_back({species_a, 186.0f + 12.0f * (k % 16), 56.0f + 12.0f * (k / 16)});
    grid[100].x = grid[99].x + 5.0f;
    auto m = model_of(grid);
    m->temperature = 450.0f;
    m->equilibrium_constant = 1.0e30f;  // always forward
    set_random_seed(99);

    m->last_pair = {101, 100};
    attempt_reaction_step(*m);
    EXPECT_EQ(m->count_a, 250);
    EXPECT_TRUE(recorder().log_lines("beep").empty());

    m->last_pair = {0, 0};
    attempt_reaction_step(*m);
    EXPECT_EQ(m->species[99], species_b);
    EXPECT_EQ(m->species[100], species_c);
    EXPECT_EQ(m->count_a, 248);
    EXPECT_EQ(m->count_b + m->count_c, 2);
    EXPECT_EQ(m->last_pair, (std::array<std::int32_t, 2>{100, 101}));
    EXPECT_EQ(recorder().log_lines("beep"), std::vector<std::string>{"beep 150 20"});
    EXPECT_EQ(m->flashes[0].frames_left, 8);

    // Back the other way the same pair is refused, whatever the draw.
    m->equilibrium_constant = 0.0f;
    for (int trial = 0; trial < 20; ++trial) attempt_reaction_step(*m);
    EXPECT_EQ(m->count_a, 248);
    EXPECT_EQ(recorder().log_lines("beep").size(), 1u);
}

TEST_F(EquilibriumReaction, FlashesGrowDarkenAndExpire)
{
    EquilibriumModel m;
    for (int k = 0; k < 11; ++k) update_reaction_flashes(m, flash_start, 250.7f + static_cast<float>(k), 150.2f);
    EXPECT_EQ(m.flashes[9].x, 259.7f);  // the eleventh is not recorded
    update_reaction_flashes(m, flash_clear);
    update_reaction_flashes(m, flash_start, 250.7f, 150.2f);
    recorder().clear_log();
    for (int frame = 0; frame < 9; ++frame) update_reaction_flashes(m, flash_draw);
    EXPECT_EQ(recorder().log_lines("ellipse"),
              (std::vector<std::string>{
                  "ellipse filled (236,136)-(264,164) 0xAAFFFF", "ellipse filled (234,134)-(266,166) 0xAAFFFF",
                  "ellipse filled (232,132)-(268,168) 0xAAFFFF", "ellipse filled (230,130)-(270,170) 0xAAFFFF",
                  "ellipse filled (228,128)-(272,172) 0xAAFFFF", "ellipse filled (226,126)-(274,174) 0x4BA5A5",
                  "ellipse filled (224,124)-(276,176) 0x329393", "ellipse filled (222,122)-(278,178) 0x198181"}));
    EXPECT_EQ(m.flashes[0].frames_left, 0);
}

TEST(EquilibriumPanels, ValidityOfTheStartingConcentrations)
{
    struct Rows {
        std::int32_t a, b, c;
        bool accepted;
    };
    for (const Rows& r : {Rows{1, 1, 10, false}, Rows{1, 10, 1, false}, Rows{1, 2, 9, true}, Rows{5, 5, 1, true},
                          Rows{4, 5, 1, false}, Rows{10, 10, 10, true}, Rows{10, 1, 1, true}, Rows{2, 1, 1, false}})
        EXPECT_EQ(refusal_of_concentrations(r.a, r.b, r.c).empty(), r.accepted) << r.a << r.b << r.c;
}

}  // namespace
