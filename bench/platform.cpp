// Text measuring, text drawing and filled rectangles on the offscreen Qt canvas.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/graphics.h"
#include "platform/qt/qt_application.h"

namespace {

platform::qt::Session& session()
{
    static int argc = 1;
    static char name[] = "bench_platform";
    static char* argv[] = {name, nullptr};
    static platform::qt::Application application(argc, argv);
    static platform::qt::Session instance;
    return instance;
}

constexpr const char* kForty = "Calcolare la massa molare di H2SO4 (g/mo";

void text_extent_of_forty_characters(benchmark::State& state)
{
    session();
    qw_set_font("t'Arial'h16b");
    for (auto _ : state) benchmark::DoNotOptimize(qw_get_text_extent(kForty));
}
BENCHMARK(text_extent_of_forty_characters);

void out_text_of_forty_characters(benchmark::State& state)
{
    session();
    qw_set_font("t'Arial'h16b");
    qw_set_color_rgb(0);
    for (auto _ : state) {
        qw_move_to(160, 100);
        qw_out_text(kForty);
    }
}
BENCHMARK(out_text_of_forty_characters);

void filled_rectangle_of_the_problem_area(benchmark::State& state)
{
    session();
    qw_set_color_rgb(qw_rgb(239, 239, 239));
    for (auto _ : state) qw_rectangle(QwControl::filled, 148, 7, 595, 309);
}
BENCHMARK(filled_rectangle_of_the_problem_area);

}  // namespace
