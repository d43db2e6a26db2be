// One displayed frame of "Sistemi in equilibrio" with 250 particles on the
// offscreen Qt canvas: 100 sub-steps of the model, the box repainted and
// the bars updated. Goal: under 5 ms per frame (the run pauses 50 ms).
#include <benchmark/benchmark.h>

#include "numbers/random_stream.h"
#include "platform/qt/qt_application.h"
#include "simulations/equilibrium/equilibrium_drawing.h"
#include "simulations/equilibrium/equilibrium_model.h"

namespace {

void BM_EquilibriumFrame(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "bench_equilibrium";
    static char* argv[] = {name, nullptr};
    static platform::qt::Application application(argc, argv);
    platform::qt::Session session;
    EquilibriumModel& m = equilibrium_model;
    set_random_seed(2024);
    m.temperature = 450.0f;
    m.box_colour = 0xFFEEEE;
    place_particles(m, 90, 80, 80, true);
    relax_particles(m);
    draw_concentration_bars(m, bars_redraw);
    for (auto _ : state) {
        for (int k = 0; k < 100; ++k) advance_particles(m, 0.01f);
        draw_particle_box(m);
        draw_concentration_bars(m, bars_update);
    }
}
BENCHMARK(BM_EquilibriumFrame)->Unit(benchmark::kMillisecond);

}  // namespace
