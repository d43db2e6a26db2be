// Start-up to the first page, the drawing of every problem page of the
// chapters in the program under each background scheme, and the sweep of
// every problem over 1,000 versions, on the offscreen Qt canvas (one core),
// and chapter 4's pages over 400 versions.
// Goals: worst page 2 ms, median page 0.3 ms, the whole sweep of the 337
// problems of the nine chapters 60 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/program_parts.h"
#include "frame/app_state.h"
#include "frame/generator_protocol.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "frame/menus.h"
#include "frame/page_commands.h"
#include "frame/problem_page.h"
#include "platform/qt/qt_application.h"

namespace {

void make_application()
{
    static int argc = 1;
    static char name[] = "bench_frame";
    static char* argv[] = {name, nullptr};
    static platform::qt::Application application(argc, argv);
}

void start_program()
{
    plug_in_program_parts();
    initial_settings();
    main_program();
}

void BM_StartUpToFirstPage(benchmark::State& state)
{
    make_application();
    for (auto _ : state) {
        platform::qt::Session session;
        start_program();
        benchmark::DoNotOptimize(problem_texts.problem_text.data());
    }
}
BENCHMARK(BM_StartUpToFirstPage)->Unit(benchmark::kMillisecond);

// Shows the problem page chosen and keeps the milliseconds it took.
void time_page(std::vector<double>& pages)
{
    const auto start = std::chrono::steady_clock::now();
    show_problem_page(PageMode::as_version);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    pages.push_back(took.count());
}

// How many pages, and their median, 99th-percentile and worst times.
void report_pages(benchmark::State& state, std::vector<double>& pages)
{
    std::sort(pages.begin(), pages.end());
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["median_ms"] = pages.empty() ? 0.0 : pages[pages.size() / 2];
    state.counters["p99_ms"] = pages.empty() ? 0.0 : pages[pages.size() * 99 / 100];
    state.counters["worst_ms"] = pages.empty() ? 0.0 : pages.back();
}

void BM_EveryProblemPage(benchmark::State& state)
{
    make_application();
    platform::qt::Session session;
    start_program();
    std::vector<double> pages;
    for (auto _ : state) {
        for (std::int32_t scheme = 1; scheme <= 5; ++scheme) {
            apply_background_scheme(scheme);
            for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
                if (!chapter_available(chapter)) continue;
                on_menu_chapter(chapter);
                for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
                    app_state.selected_problem = problem;
                    time_page(pages);
                }
            }
        }
    }
    report_pages(state, pages);
}
BENCHMARK(BM_EveryProblemPage)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every page of chapter 4 (states of matter, whose phase figures frame
// their view from the drawn values) under versions 1 to 400, page by page.
void BM_ChapterFourPages(benchmark::State& state)
{
    make_application();
    platform::qt::Session session;
    start_program();
    std::vector<double> pages;
    for (auto _ : state) {
        on_menu_chapter(4);
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
            app_state.selected_problem = problem;
            for (std::int32_t version = 1; version <= 400; ++version) {
                app_state.version_number = version;
                time_page(pages);
            }
        }
    }
    report_pages(state, pages);
}
BENCHMARK(BM_ChapterFourPages)->Unit(benchmark::kSecond)->Iterations(1);

// Generate and draw every registered problem under versions 1 to 1,000.
void BM_SweepThousandVersions(benchmark::State& state)
{
    make_application();
    platform::qt::Session session;
    start_program();
    std::int32_t problems = 0;
    for (auto _ : state) {
        problems = 0;
        for (std::int32_t chapter = 1; chapter <= 9; ++chapter) {
            if (!chapter_available(chapter)) continue;
            on_menu_chapter(chapter);
            for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem, ++problems) {
                app_state.selected_problem = problem;
                for (std::int32_t version = 1; version <= 1000; ++version) {
                    app_state.version_number = version;
                    show_problem_page(PageMode::as_version);
                }
            }
        }
    }
    state.counters["problems"] = problems;
    state.counters["goal_s_for_337"] = 60;
}
BENCHMARK(BM_SweepThousandVersions)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
