#include <benchmark/benchmark.h>

#include "numbers/formatted_conversions.h"
#include "numbers/random_stream.h"
#include "numbers/value_slots.h"

namespace {

void BM_next_uniform(benchmark::State& state)
{
    std::int32_t s = 10000001;
    for (auto _ : state) benchmark::DoNotOptimize(next_uniform(s));
}
BENCHMARK(BM_next_uniform);

void BM_random_int(benchmark::State& state)
{
    set_random_seed(10000001);
    for (auto _ : state) benchmark::DoNotOptimize(random_int(-9, 9));
}
BENCHMARK(BM_random_int);

// A typical mix of the numbers problems show: digits 2 to 5, fixed and
// power-of-ten forms.
void BM_convert_data_slot(benchmark::State& state)
{
    const float values[] = {123.456f, 0.0012345f, 6.022142e23f, 9.996f, -0.5f, 99960.0f};
    std::size_t i = 0;
    for (auto _ : state) {
        value_slots[1].value = values[i % 6];
        convert_data_slot(1, static_cast<std::int32_t>(2 + i % 4));
        benchmark::DoNotOptimize(value_slots[1].display_text.data());
        ++i;
    }
}
BENCHMARK(BM_convert_data_slot);

void BM_convert_data_slot_typed(benchmark::State& state)
{
    for (auto _ : state) {
        value_slots[2].input_text = "55.847";
        convert_data_slot(2, slot_digits_from_text);
        benchmark::DoNotOptimize(value_slots[2].display_text.data());
    }
}
BENCHMARK(BM_convert_data_slot_typed);

void BM_convert_data_slot_uncertainty(benchmark::State& state)
{
    for (auto _ : state) {
        value_slots[3].value = -2.45e-5f;
        value_slots[3].uncertainty = 3e-7f;
        convert_data_slot(3, slot_digits_from_uncertainty);
        benchmark::DoNotOptimize(value_slots[3].display_text.data());
    }
}
BENCHMARK(BM_convert_data_slot_uncertainty);

// Values from 0.012345 up over about three decades, then again: a value
// left to grow would soon be infinite and time only the non-finite text.
void BM_format_e(benchmark::State& state)
{
    double x = 0.012345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(format_e(x, 20, 6));
        x = x < 10.0 ? x * 1.0001 : 0.012345;
    }
}
BENCHMARK(BM_format_e);

}  // namespace
