// One drag step of the molecule viewer on the offscreen Qt canvas: the turn,
// the picture composed and its 40,000 pixels set one call at a time.
// Goal: under 8 ms per step.
#include <benchmark/benchmark.h>

#include "app/program_parts.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/qt/qt_application.h"
#include "tools/molecule_viewer.h"

namespace {

void BM_MoleculeDragStep(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "bench_tools";
    static char* argv[] = {name, nullptr};
    static platform::qt::Application application(argc, argv);
    platform::qt::Session session;
    plug_in_program_parts();
    initial_settings();
    main_program();
    run_molecule_viewer();
    platform::deliver_mouse_event({kMouseLeftDown, kMouseStateLeftButton, 300, 150});
    std::int32_t x = 300;
    for (auto _ : state) {
        x = x == 300 ? 303 : 300;
        platform::deliver_mouse_event({kMouseMove, kMouseStateLeftButton, x, 150});
    }
}
BENCHMARK(BM_MoleculeDragStep)->Unit(benchmark::kMillisecond);

}  // namespace
