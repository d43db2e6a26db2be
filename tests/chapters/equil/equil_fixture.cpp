#include "equil_fixture.h"

#include <cmath>
#include <map>
#include <regex>

#include "chapters/equil/equilibria_chapter.h"

namespace equil_test {

const std::string number_pattern = R"((-?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:•10@u-?[0-9]+@)?))";

double shown_number(const std::string& markup)
{
    static const std::regex form(R"(^(-?(?:[0-9]+\.?[0-9]*|\.[0-9]+))(?:•10@u(-?[0-9]+)@)?$)");
    std::smatch parts;
    if (!std::regex_match(markup, parts, form)) {
        ADD_FAILURE() << "not a number: " << markup;
        return std::nan("");
    }
    const double mantissa = std::stod(parts[1].str());
    return parts[2].matched ? mantissa * std::pow(10.0, std::stoi(parts[2].str())) : mantissa;
}

std::vector<std::string> match(const std::string& text, const std::string& pattern)
{
    // The sweeps match each pattern against hundreds of statements.
    static std::map<std::string, std::regex> compiled;
    auto it = compiled.find(pattern);
    if (it == compiled.end()) it = compiled.emplace(pattern, std::regex(pattern)).first;
    std::smatch groups;
    if (!std::regex_search(text, groups, it->second)) {
        ADD_FAILURE() << "no match for " << pattern << " in " << text;
        return std::vector<std::string>(12);
    }
    std::vector<std::string> result;
    for (std::size_t i = 1; i < groups.size(); ++i) result.push_back(groups[i].str());
    result.resize(12);
    return result;
}

std::vector<double> numbers(const std::string& text, const std::string& pattern)
{
    std::vector<double> result;
    for (const std::string& group : match(text, pattern))
        if (!group.empty()) result.push_back(shown_number(group));
    result.resize(12, std::nan(""));
    return result;
}

::testing::AssertionResult near_shown(const std::string& markup, double expected, double tolerance)
{
    const double shown = shown_number(markup);
    const std::size_t power = markup.find("•10@u");
    const std::string mantissa = markup.substr(0, power);
    const std::size_t point = mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    const int exponent = power == std::string::npos ? 0 : std::stoi(markup.substr(power + 7));
    const double half_unit = 0.5 * std::pow(10.0, exponent - decimals);
    if (std::abs(shown - expected) <= half_unit * 1.000001 + tolerance * std::abs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << markup << ", expected " << expected << " within "
                                         << tolerance * 100 << " % beyond its last digit";
}

double hydrogen_ion(double ca, double cb, double ka, double kb)
{
    constexpr double kw = 1e-14;
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

ChapterSeven::ChapterSeven() : ChapterTest(7, run_equilibria_chapter) {}

void ChapterSeven::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    request_problem(k, version, seed_for_no_version);
}

void ChapterSeven::answer()
{
    backend.clear_log();
    request_answer();
}

void ChapterSeven::for_versions(std::int32_t k, std::int32_t count, const std::function<void()>& check)
{
    for (std::int32_t n = 0; n <= count; ++n) {
        const std::int32_t version = n == 0 ? 10000001 : spread_version(n);
        generate(k, version);
        SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " + statement() +
                     " => " + answer_text());
        check();
        if (HasFailure()) return;
    }
}

}  // namespace equil_test
