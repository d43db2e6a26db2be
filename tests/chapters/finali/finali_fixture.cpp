#include "finali_fixture.h"

#include <cctype>
#include <cmath>
#include <regex>

#include "chapters/finali/final_problems_chapter.h"
#include "chemistry/data_tables.h"
#include "numbers/fixed_width.h"

namespace finali_test {

Shown shown(std::string_view markup)
{
    std::string text(markup);
    int exponent = 0;
    if (const auto dot = text.find("•10@u"); dot != std::string::npos) {
        exponent = std::stoi(text.substr(dot + std::string("•10@u").size()));
        text.resize(dot);
    }
    const auto point = text.find('.');
    const auto decimals = point == std::string::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return {std::stod(text) * std::pow(10.0, exponent), std::pow(10.0, exponent - decimals)};
}

int significant_digits(std::string_view markup)
{
    std::string digits;
    for (const char c : markup.substr(0, markup.find("•"))) if (std::isdigit(static_cast<unsigned char>(c))) digits += c;
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 1 : static_cast<int>(digits.size() - first);
}

std::regex number_pattern(const std::string& pattern)
{
    static const std::string number = R"((-?[0-9]+\.?[0-9]*(?:•10@u-?[0-9]+@)?))";
    return std::regex(std::regex_replace(pattern, std::regex("NUM"), number));
}

Groups::Groups(const std::string& text, const std::regex& pattern)
{
    std::smatch match;
    matched_ = std::regex_search(text, match, pattern);
    if (!matched_) ADD_FAILURE() << "no match in " << text;
    for (std::size_t i = 0; i < match.size(); ++i) groups_.push_back(match[i].str());
    groups_.resize(20, "0");
}

::testing::AssertionResult agrees(const Shown& answer, double exact, double units, double slack)
{
    const double tolerance = units * answer.unit + slack * std::fabs(exact);
    if (std::isfinite(exact) && std::fabs(answer.value - exact) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << answer.value << ", recomputed " << exact << ", tolerance "
                                         << tolerance;
}

double rounding_spread(const std::function<double(const std::vector<double>&)>& f, const std::vector<Shown>& data)
{
    std::vector<double> x;
    for (const Shown& d : data) x.push_back(d.value);
    const double centre = f(x);
    double spread = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        double worst = 0.0;
        for (const double side : {-0.5, 0.5}) {
            std::vector<double> moved = x;
            moved[i] += side * data[i].unit;
            worst = std::max(worst, std::fabs(f(moved) - centre));
        }
        spread += worst;
    }
    return spread;
}

double atomic_mass(std::string_view symbol)
{
    for (std::int32_t z = 1; z <= element_count; ++z)
        if (strip_blanks(record_columns(element_record(z), 16, 17)) == symbol)
            return std::stod(std::string(record_columns(element_record(z), 21, 30)));
    ADD_FAILURE() << "no element " << symbol;
    return 0.0;
}

double atomic_mass_of_named(std::string_view name)
{
    return atomic_mass(symbol_of_named(name));
}

std::string symbol_of_named(std::string_view name)
{
    for (std::int32_t z = 1; z <= element_count; ++z)
        if (strip_blanks(record_columns(element_record(z), 1, 15)) == name)
            return std::string(strip_blanks(record_columns(element_record(z), 16, 17)));
    ADD_FAILURE() << "no element named " << name;
    return "";
}

std::string formula_of_compound(std::string_view name)
{
    for (std::int32_t k = 1; k <= compound_slots; ++k)
        if (strip_blanks(record_columns(compound_record(k), 1, 40)) == name)
            return std::string(strip_blanks(record_columns(compound_record(k), 41, 70)));
    ADD_FAILURE() << "no compound " << name;
    return "";
}

std::vector<std::pair<std::string, std::int32_t>> formula_atoms(std::string_view formula)
{
    // Each entry of the stack is one bracket level of (symbol, count) pairs.
    std::vector<std::vector<std::pair<std::string, std::int32_t>>> levels(1);
    std::size_t i = 0;
    const auto count_after = [&](std::size_t& at) {
        if (formula.compare(at, 2, "@d") != 0 || at + 2 >= formula.size() || !std::isdigit(formula[at + 2])) return 1;
        const std::size_t end = formula.find('@', at + 2);
        const int n = std::stoi(std::string(formula.substr(at + 2, end - at - 2)));
        at = end + 1;
        return n;
    };
    while (i < formula.size()) {
        const char c = formula[i];
        if (std::isupper(static_cast<unsigned char>(c))) {
            std::string symbol(1, c);
            ++i;
            if (i < formula.size() && std::islower(static_cast<unsigned char>(formula[i]))) symbol += formula[i++];
            levels.back().emplace_back(symbol, count_after(i));
        } else if (c == '(') {
            levels.emplace_back();
            ++i;
        } else if (c == ')') {
            ++i;
            const int n = count_after(i);
            auto inner = std::move(levels.back());
            levels.pop_back();
            for (auto& [symbol, count] : inner) levels.back().emplace_back(symbol, count * n);
        } else if (c == '@') {
            i = formula.find('@', i + 1) + 1;  // a charge or a state
        } else {
            ++i;
        }
    }
    return levels.front();
}

double formula_mass(std::string_view formula)
{
    double mass = 0.0;
    for (const auto& [symbol, count] : formula_atoms(formula)) mass += count * atomic_mass(symbol);
    return mass;
}

double ph_of(std::initializer_list<AcidPair> pairs)
{
    const auto balance = [&](double h) {
        double g = h - 1e-14 / h;
        for (const AcidPair& p : pairs) g -= (p.acid + p.base) * p.ka / (p.ka + h) - p.base;
        return g;
    };
    // The balance grows with h: bisect on the pH scale.
    double low = -2.0, high = 16.0;
    for (int step = 0; step < 100; ++step) {
        const double mid = 0.5 * (low + high);
        (balance(std::pow(10.0, -mid)) > 0.0 ? low : high) = mid;
    }
    return 0.5 * (low + high);
}

ChapterNine::ChapterNine() : ChapterTest(9, run_final_problems_chapter) {}

void ChapterNine::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    backend.clear_log();
    request_problem(k, version, seed_for_no_version);
}

void ChapterNine::answer()
{
    backend.clear_log();
    request_answer();
}

std::int32_t ChapterNine::spread_version(std::int32_t n)
{
    const std::int64_t m = n;
    return static_cast<std::int32_t>((m * m * 7919 + m * 104729) % 9999999) + 1;
}

void ChapterNine::sweep(std::int32_t k, std::int32_t count,
                        const std::function<void(const std::string&, const std::string&)>& check)
{
    for (std::int32_t n = 1; n <= count; ++n) {
        const std::int32_t version = spread_version(n);
        generate(k, version);
        SCOPED_TRACE("problem " + std::to_string(k) + " version " + std::to_string(version) + ": " + statement() +
                     " => " + answer_text());
        check(statement(), answer_text());
        if (HasFailure()) return;
    }
}

}  // namespace finali_test
