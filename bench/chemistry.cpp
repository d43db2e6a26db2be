// The titration simulation solves a pH balance per burette step and the
// equilibrium problems call the extent solver per statement: each call must
// stay far below a millisecond.
#include <benchmark/benchmark.h>

#include "chemistry/data_tables.h"
#include "chemistry/equilibrium_extent.h"
#include "chemistry/molar_mass.h"
#include "chemistry/ph_solvers.h"

namespace {

void BM_compute_molar_mass(benchmark::State& state)
{
    init_data_tables();
    float uncertainty = 0.0f;
    for (auto _ : state) benchmark::DoNotOptimize(compute_molar_mass("Na02B 04O 17H 20", uncertainty));
}
BENCHMARK(BM_compute_molar_mass);

void BM_solve_equilibrium_extent(benchmark::State& state)
{
    const SpeciesValues nu{1, 3, 0, 2, 0, 0};
    const SpeciesValues c0{1.0f, 3.0f, 0, 0, 0, 0};
    SpeciesValues c{};
    for (auto _ : state) benchmark::DoNotOptimize(solve_equilibrium_extent(nu, c0, c, 6.0e5f));
}
BENCHMARK(BM_solve_equilibrium_extent)->Unit(benchmark::kMicrosecond);

void BM_solve_ph_mixture(benchmark::State& state)
{
    // A buffer near the equivalence point: the coarse scan runs far.
    for (auto _ : state) benchmark::DoNotOptimize(solve_ph_mixture(0.05f, 0.0499f, 1.8e-5f, 1e4f));
}
BENCHMARK(BM_solve_ph_mixture)->Unit(benchmark::kMicrosecond);

}  // namespace
