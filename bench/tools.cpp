// One drag step of the molecule viewer on the offscreen Qt canvas: the turn,
// the picture composed and its 40,000 pixels set one call at a time.
// Goal: under 8 ms per step.
//
// The calculator's "Risolvi" on an interval: the expression prepared and a
// root searched, over the calculator's own cases and over expressions of
// the longest length the engine takes, the hardest for the certified signs
// (every operation transcendental; 0 at every point, or a division by 0
// that no precision settles, where each point is taken to the cap; poles in
// every grid cell, 1/sin(1000*x) thirteen times; sines cancelling beside
// 1e-200, told apart at some 700 bits at every point; tiny terms beside
// identities, which no precision up to the cap tells from 0; points that
// need thousands of bits beside a sign change elsewhere). Goal: under 50 ms
// of CPU each, half the 0.1 s a Risolvi may take, for slower machines.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "app/program_parts.h"
#include "frame/initial_settings.h"
#include "frame/main_program.h"
#include "platform/events.h"
#include "platform/mouse.h"
#include "platform/qt/qt_application.h"
#include "tools/expression_engine.h"
#include "tools/molecule_viewer.h"
#include "tools/root_search.h"

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

struct Solve {
    std::string expression;
    double a;
    double b;
};

// Repeats the text joined by op until one more would pass the engine's length.
std::string longest(const std::string& text, const std::string& op)
{
    std::string joined = text;
    while (joined.size() + op.size() + text.size() <= max_expression_characters) joined += op + text;
    return joined;
}

// Wraps inner in open and close until one more would pass length.
std::string nested(const std::string& open, const std::string& close, std::string inner, std::size_t length)
{
    while (inner.size() + open.size() + close.size() <= length) inner = open + inner + close;
    return inner;
}

// first, then the terms for k = from, from + 1, ... as long as room
// characters are left within the engine's length.
template <typename Term>
std::string numbered(std::string first, Term term, int from, std::size_t room)
{
    for (int k = from; first.size() + term(k).size() + room <= max_expression_characters; ++k) first += term(k);
    return first;
}

std::vector<Solve> solves()
{
    std::vector<Solve> list = {
        {"x-0.5", 0, 1},
        {"x^2-2", 0, 2},
        {"ln(x)+1", -1, 1},
        {"x^2+1", 0, 2},
        {"ln(x)-5", 1, -1},
        {"1/x", -1, 2},
        {"1/(x-0.5)+x", 0, 2},
        {"exp(-x)-x", 0, 1e100},
        {"x^2-2", -1e300, 0},
        {"exp(-x)-x", -1e300, 1e300},
        {"1/x", -1e300, 1e300},
        {"1/x-1", -1, 2},
        {"1/(x^2-2)+1", 1.414213562373, 1.414213562374},
        {"exp(x)", -1e300, 1e300},
        {"x^3-3*x^2+3*x-1-1e-15", 0.997, 1.007},
        {"x^5-5*x^4+10*x^3-10*x^2+5*x-1-1e-20", 0.9, 1.1},
        {"x^5-5*x^4+10*x^3-10*x^2+5*x-1-1e-20", 0.99940, 1.00086},
        {"x^6-6*x^5+15*x^4-20*x^3+15*x^2-6*x+1-1e-14", 1, 1.1},
        {"x^6-6*x^5+15*x^4-20*x^3+15*x^2-6*x+1-1e-14", 1.00029, 1.00464},
        {"(x+1)^2-1", -0.5, 0.5},
        {"exp(x)-1", -1, 1e-17},
        {"exp(x)-1e-20", -2000, -47},
        {"exp(-x)-exp(-40)", 0, 39.97},
        {"(x-5)*1e-300*1e-30", 0, 10},
        {"(x-5)*exp(-800)", 4.9, 5.3},
        {"ln(exp(x))-x", 1, 2},
        {"tan(x)", 1.5707963267948966, 1.5707963267948968},
        {"x-1e-320", 0, 1},
        {longest("sin(cos(exp(x)))", "*"), -1, 2},
        {longest("ln(exp(x))-x", "+"), 1, 2},
        {longest("tan(x)", "-"), -1, 1},
        {"1/(" + longest("ln(exp(x))-x", "+").substr(0, max_expression_characters - 3) + ")", 0.1, 0.2},
        {longest("x^9", "-") + "-1", -1e3, 1e3},
        {"1/(" + nested("ln(exp(", "))", "x", max_expression_characters - 5) + "-x)", 0.1, 0.2},
        {longest("1/sin(1000*x)", "+"), 1, 11},
        {longest("1/tan(x)", "+"), 1, 10000},
        {longest("sin(x)-sin(x)", "+") + "+1e-200", 1, 2},
        // Magnitudes that meet no sum (a factor times 0), and tiny terms
        // beside identities no precision proves 0: the work each Risolvi
        // may spend is bounded.
        {"sin(x)-sin(x)+exp(-1e5*x)*0", 1, 2},
        {"ln(exp(x))-x+exp(-1e4*x)*0", 1, 2},
        {"sin(x)-sin(x)+cos(x)-cos(x)+tan(x)-tan(x)+ln(x)-ln(x)+exp(x)-exp(x)+exp(-1e5*x)*0", 1, 2},
        {"ln(exp(x))-x+x^100", 1e-300, 1e-299},
        {"ln(exp(x))-x+exp(-5e4/(8.314*x))", 1, 2},
        {longest("ln(exp(x))-x", "+") + "+x^100", 1e-300, 1e-299},
        // Cancellations inside cancellations, each level told at its own
        // precision.
        {"1-cos(1-cos(x))", 1e-50, 1e-49},
        {"1-cos(1-cos(1-cos(x)))", 1e-10, 1e-9},
        // A gap in the domain in every grid cell.
        {longest("ln(sin(1000*x))", "+"), 1, 11},
        // Poles in every grid cell, beside a score of distinct functions,
        // where the doubles place each pole some doubles off the true one;
        // identities of distinct functions beside 1e-100.
        {numbered(
             "1/(sin(1000*x)", [](int k) { return "*cos(x/" + std::to_string(k) + ")"; }, 3, 1) +
             ")",
         1, 11},
        {numbered(
             "ln(exp(x*2))-x*2", [](int k) { return "+ln(exp(x*" + std::to_string(k) + "))-x*" + std::to_string(k); },
             3, 7) +
             "+1e-100",
         1, 2},
        // Points undecided at the start precision on the left, the sign
        // change on the right: the whole grid is looked at first.
        {"ln(exp(x))-x+exp(-1e4*x)+exp(200*(x-2))*(x-1.95)", 1, 2},
        {"ln(exp(x))-x+exp(-1e4*x)+exp(200*(x-2))/(x-1.95)", 1, 2},
        {"ln(exp(x))-x+(x-1.9)*exp(-3e3*x)", 1, 2},
        {"ln(exp(x))-x+(x-1.9)*exp(-2e3*x)", 1, 2},
        {"ln(exp(x))-x+(x-1.5)*exp(-1e4*x)", 1, 2},
        {"ln(exp(x))-x+(x-1.5)*exp(-5e4/(8.314*x))", 1, 2},
        {"ln(exp(x))-x+(x-1.5001)*exp(-1/(x-1.5001)^2)", 1, 2},
        // Signs certain at thousands of bits, no root.
        {"ln(exp(x))-x+x^5", 1e-300, 1e-299},
        {"ln(exp(x))-x+x^10", 1e-300, 1e-299},
        {"ln(exp(x))-x+x^50", 1e-300, 1e-299},
        {"1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(x))))))", 1e-5, 1e-4},
        {"1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(1-cos(x))))))))", 0.1, 0.2},
        {"ln(exp(x))-x+exp(-1e4*x)", 1, 2},
        // The dearest found: identities of large arguments beside tiny terms.
        {"sin(1e9*x)^2+cos(1e9*x)^2-1+exp(-1500*x)", 1, 2},
        {"(sin(x)^2+cos(x)^2-1)*1e300+exp(-1e4*x)", 1, 2},
    };
    return list;
}

const bool solves_registered = [] {
    for (const Solve& solve : solves()) {
        char ends[64];
        std::snprintf(ends, sizeof ends, "%g><%g", solve.a, solve.b);
        const std::string name = "BM_Risolvi/" + solve.expression.substr(0, 40) + "/" + ends;
        benchmark::RegisterBenchmark(name.c_str(), [solve](benchmark::State& state) {
            for (auto _ : state) {
                double root = 0.0;
                if (prepare_expression(solve.expression) != Preparation::ready) state.SkipWithError("not accepted");
                benchmark::DoNotOptimize(search_expression_root(solve.a, solve.b, root));
            }
        })->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}  // namespace
