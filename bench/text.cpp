// Drawing a typical statement: a 300-character paragraph justified in its
// box, every line measured off the page first, on the real (offscreen) Qt
// canvas. The goal is well under a millisecond per statement.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/graphics.h"
#include "platform/qt/qt_application.h"
#include "text/drawing_kit.h"
#include "text/fonts_colours.h"
#include "text/justified_text.h"
#include "text/markup_text.h"

namespace {

const std::string statement =
    "Una miscela gassosa contiene 2,35 g di H@d2@, 14,2 g di N@d2@ e 0,850 g di NH@d3@ in un "
    "recipiente di 5,00 L a 25 @uo@C. Calcolare le pressioni parziali dei tre gas e la pressione "
    "totale della miscela, sapendo che il @bD@H@uo@ di formazione dell'ammoniaca vale -46,1 kJ/mol "
    "e che la costante di equilibrio @iK@@dp@ a questa temperatura vale 6,8@u5@.";

platform::qt::Session& qt_session()
{
    static int argc = 1;
    static char name[] = "bench_text";
    static char* argv[] = {name, nullptr};
    static platform::qt::Application application(argc, argv);
    static platform::qt::Session session;
    static const bool fonts_ready = init_fonts_and_colours() == 0.0f;
    if (!fonts_ready) std::abort();
    return session;
}

// The statement box as the problems draw it: measuring pass, frame, text.
void BM_ProblemStatement(benchmark::State& state)
{
    qt_session();
    for (auto _ : state) draw_statement_box(160, 580, 45, statement, "Problema 5.12", 3);
    state.counters["characters"] = static_cast<double>(statement.size());
    state.counters["goal_us"] = 1000;
}
BENCHMARK(BM_ProblemStatement)->Unit(benchmark::kMicrosecond);

void BM_JustifiedParagraph(benchmark::State& state)
{
    qt_session();
    for (auto _ : state) draw_justified_text(160, 580, 45, "@T1@@C1@" + statement);
    state.counters["goal_us"] = 1000;
}
BENCHMARK(BM_JustifiedParagraph)->Unit(benchmark::kMicrosecond);

void BM_FormulaLine(benchmark::State& state)
{
    qt_session();
    for (auto _ : state) draw_markup_text(20, 20, "@T1@@C1@H@d2@SO@d4@ + 2NaOH = Na@d2@SO@d4@ + 2H@d2@O");
}
BENCHMARK(BM_FormulaLine)->Unit(benchmark::kMicrosecond);

}  // namespace

// What one piece of text costs the platform: a statement of about 55 words
// draws about 55 pieces and measures about twice as many.
namespace {

void BM_PlatformTextExtent(benchmark::State& state)
{
    qt_session();
    select_font(1);
    for (auto _ : state) benchmark::DoNotOptimize(qw_get_text_extent("Calcolare la massa"));
}
BENCHMARK(BM_PlatformTextExtent);

void BM_PlatformOutText(benchmark::State& state)
{
    qt_session();
    select_font(1);
    for (auto _ : state) {
        qw_move_to(10, 20);
        qw_out_text("Calcolare la massa");
    }
}
BENCHMARK(BM_PlatformOutText);

}  // namespace
