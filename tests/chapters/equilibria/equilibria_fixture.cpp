#include "equilibria_fixture.h"

#include <cmath>

#include "chapters/equilibria/equilibria_chapter.h"

namespace equilibria_test {

std::vector<double> numbers(const std::string& text, const std::string& pattern)
{
    std::vector<double> result;
    for (const std::string& group : match(text, pattern))
        if (!group.empty()) result.push_back(shown_value(group));
    result.resize(12, std::nan(""));
    return result;
}

::testing::AssertionResult near_shown(const std::string& markup, double expected, double tolerance)
{
    return testing_support::within_last_digit(testing_support::shown(markup), expected, 0.5 * 1.000001, tolerance);
}

double hydrogen_ion(double ca, double cb, double ka, double kb)
{
    auto balance = [&](double h) {
        const double oh = kw / h;
        return h + cb * kb / (kb + oh) - oh - ca * ka / (ka + h);
    };
    // The balance rises with h: bisect on log h.
    double lo = -20.0, hi = 2.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (balance(std::pow(10.0, mid)) > 0.0 ? hi : lo) = mid;
    }
    return std::pow(10.0, 0.5 * (lo + hi));
}

std::array<double, 6> equilibrium(const std::array<double, 6>& nu, const std::array<double, 6>& c0, double K)
{
    auto at = [&](double x) {
        std::array<double, 6> c = c0;
        for (int j = 0; j < 6; ++j)
            if (nu[j] > 0) c[j] = j < 3 ? c0[j] - nu[j] * x : c0[j] + nu[j] * x;
        return c;
    };
    // The extent runs between the exhaustion of a reactant and of a product,
    // within concentrations no solution of these problems comes near.
    double lo = -1e3, hi = 1e3;
    for (int j = 0; j < 6; ++j) {
        if (nu[j] <= 0) continue;
        if (j < 3)
            hi = std::min(hi, c0[j] / nu[j]);
        else
            lo = std::max(lo, -c0[j] / nu[j]);
    }
    auto log_q_over_k = [&](double x) {
        const std::array<double, 6> c = at(x);
        double s = -std::log(K);
        for (int j = 0; j < 6; ++j)
            if (nu[j] > 0) s += (j < 3 ? -nu[j] : nu[j]) * std::log(c[j]);
        return s;
    };
    for (int i = 0; i < 400; ++i) {
        const double mid = 0.5 * (lo + hi);
        (log_q_over_k(mid) > 0.0 ? hi : lo) = mid;
    }
    return at(0.5 * (lo + hi));
}

double coefficient_value(const std::string& cell)
{
    if (cell.empty()) return 1.0;
    if (cell.front() == '(') return std::stod(cell.substr(1, 1)) / std::stod(cell.substr(3, 1));
    return std::stod(cell);
}

ChapterSeven::ChapterSeven()
    : ChapterTest(
          {.chapter = 7,
           .run_chapter = run_equilibria_chapter,
           .fresh_log = testing_support::FreshLog::for_answer,
           .sweep_versions = [](std::int32_t count) { return testing_support::text_and_spread_versions(count); }})
{}

}  // namespace equilibria_test
