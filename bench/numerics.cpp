// The library's work in the program: one least-squares solve per balancing
// attempt (at most 19 per request, each at most 10 by 10), a depth sort of a
// molecule's atoms and its rotation on every mouse drag.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <numeric>
#include <vector>

#include "numerics/error_handler.h"
#include "numerics/least_squares.h"
#include "numerics/sort_permutation.h"
#include "numerics/vector_geometry.h"

namespace {

float pseudo_random(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return static_cast<float>(state >> 8) / 16777216.0f;
}

void least_squares_of_balancing(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::uint32_t seed = 12345;
    std::vector<float> a(10 * static_cast<std::size_t>(n)), b(static_cast<std::size_t>(n) + 1);
    for (float& v : a) v = static_cast<float>(static_cast<int>(pseudo_random(seed) * 9.0f) - 4);
    for (float& v : b) v = static_cast<float>(static_cast<int>(pseudo_random(seed) * 5.0f) - 2);
    std::vector<float> x(static_cast<std::size_t>(n)), res(static_cast<std::size_t>(n) + 1);
    std::int32_t kbasis = 0;
    ERSET(0, 0, 0);
    for (auto _ : state) {
        LSBRR(n + 1, n, a.data(), 10, b.data(), 0.0f, x.data(), res.data(), kbasis);
        benchmark::DoNotOptimize(x.data());
    }
}
BENCHMARK(least_squares_of_balancing)->Arg(2)->Arg(4)->Arg(9);

void depth_sort(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::uint32_t seed = 99;
    std::vector<float> z(static_cast<std::size_t>(n)), sorted(static_cast<std::size_t>(n));
    for (float& v : z) v = pseudo_random(seed) * 20.0f - 10.0f;
    std::vector<std::int32_t> order(static_cast<std::size_t>(n));
    for (auto _ : state) {
        std::iota(order.begin(), order.end(), 1);
        SVRGP(n, z.data(), sorted.data(), order.data());
        benchmark::DoNotOptimize(order.data());
    }
}
BENCHMARK(depth_sort)->Arg(30)->Arg(300)->Arg(100000);

void rotation_of_a_molecule(benchmark::State& state)
{
    const auto n = static_cast<std::int32_t>(state.range(0));
    std::uint32_t seed = 7;
    std::vector<float> points(3 * static_cast<std::size_t>(n));
    for (float& v : points) v = pseudo_random(seed) * 10.0f - 5.0f;
    for (auto _ : state) {
        rotate_about_axis(n, points.data(), {0, 0, 0}, {0.3f, -0.4f, 0.005f}, 0.02f);
        benchmark::DoNotOptimize(points.data());
    }
}
BENCHMARK(rotation_of_a_molecule)->Arg(30)->Arg(300);

}  // namespace
