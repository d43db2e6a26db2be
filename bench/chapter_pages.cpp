// Every chapter's problem pages as the program shows them for a version, on
// the offscreen Qt canvas (one core): each problem under versions 1 to 300,
// page by page, and the chapter's median, 90th-percentile and worst page.
// The file is built as it stands at an earlier commit too, so that
// bench/chapter_pages.sh can time both side by side: it names only what the
// frame has offered since the page benchmarks began.
// Goal: no chapter's median page above the earlier build's.
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
#include "frame/problem_page.h"
#include "platform/qt/qt_application.h"

namespace {

constexpr std::int32_t kVersions = 300;

platform::qt::Session& program()
{
    static int argc = 1;
    static char name[] = "bench_chapter_pages";
    static char* argv[] = {name, nullptr};
    static platform::qt::Application application(argc, argv);
    static platform::qt::Session session;
    static const bool started = [] {
        plug_in_program_parts();
        initial_settings();
        main_program();
        return true;
    }();
    benchmark::DoNotOptimize(started);
    return session;
}

void BM_ChapterPages(benchmark::State& state)
{
    program();
    const auto chapter = static_cast<std::int32_t>(state.range(0));
    std::vector<double> pages;
    for (auto _ : state) {
        if (!chapter_available(chapter)) continue;
        on_menu_chapter(chapter);
        for (std::int32_t problem = 1; problem <= app_state.problem_count; ++problem) {
            app_state.selected_problem = problem;
            for (std::int32_t version = 1; version <= kVersions; ++version) {
                app_state.version_number = version;
                const auto start = std::chrono::steady_clock::now();
                show_problem_page(PageMode::as_version);
                const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
                pages.push_back(took.count());
            }
        }
    }
    std::sort(pages.begin(), pages.end());
    const auto at = [&pages](std::size_t percent) {
        return pages.empty() ? 0.0 : pages[std::min(pages.size() - 1, pages.size() * percent / 100)];
    };
    state.counters["pages"] = static_cast<double>(pages.size());
    state.counters["median_ms"] = at(50);
    state.counters["p90_ms"] = at(90);
    state.counters["worst_ms"] = pages.empty() ? 0.0 : pages.back();
}
BENCHMARK(BM_ChapterPages)->DenseRange(1, 9)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
