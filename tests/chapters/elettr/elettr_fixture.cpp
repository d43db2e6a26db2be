#include "elettr_fixture.h"

#include <cmath>
#include <regex>

#include "chapters/elettr/electrochemistry_chapter.h"
#include "frame/app_state.h"

namespace elettr_test {
namespace {

struct Parts {
    std::string mantissa;
    int exponent = 0;
};

Parts parts_of(std::string_view text)
{
    const std::string s(text);
    const auto dot = s.find("•10@u");
    if (dot == std::string::npos) return {s, 0};
    const auto start = dot + std::string_view("•10@u").size();
    return {s.substr(0, dot), std::stoi(s.substr(start, s.find('@', start) - start))};
}

}  // namespace

double shown_value(std::string_view text)
{
    if (text.empty()) return std::nan("");
    const Parts p = parts_of(text);
    return std::stod(p.mantissa) * std::pow(10.0, p.exponent);
}

double last_digit(std::string_view text)
{
    const Parts p = parts_of(text);
    const auto point = p.mantissa.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(p.mantissa.size() - point - 1);
    return std::pow(10.0, p.exponent - decimals);
}

std::int32_t shown_digits(std::string_view text)
{
    std::string digits;
    for (const char c : parts_of(text).mantissa)
        if (c >= '0' && c <= '9') digits += c;
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? 1 : static_cast<std::int32_t>(digits.size() - first);
}

std::vector<std::string> captures(const std::string& text, const std::string& pattern)
{
    std::smatch groups;
    if (!std::regex_search(text, groups, std::regex(pattern))) {
        ADD_FAILURE() << "nessuna corrispondenza per " << pattern << " in " << text;
        return std::vector<std::string>(12);
    }
    std::vector<std::string> result;
    for (std::size_t i = 1; i < groups.size(); ++i) result.push_back(groups[i].str());
    result.resize(12);
    return result;
}

::testing::AssertionResult shows(std::string_view shown, double computed, double slack)
{
    if (shown.empty()) return ::testing::AssertionFailure() << "nessun numero";
    const double value = shown_value(shown);
    // The program works in single precision: a result on the edge of a
    // rounding may fall either way.
    const double tolerance = 0.5 * last_digit(shown) + slack + 1e-4 * std::abs(computed);
    if (std::abs(value - computed) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << shown << " mostrato, " << computed << " calcolato (tolleranza "
                                         << tolerance << ")";
}

std::int32_t ion_charge(std::string_view ion)
{
    const auto up = ion.find("@u");
    if (up == std::string_view::npos) return 0;
    const char c = ion[up + 2];
    return c >= '1' && c <= '9' ? c - '0' : 1;
}

ChapterEight::ChapterEight() : ChapterTest(8, run_electrochemistry_chapter) {}

void ChapterEight::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    request_problem(k, version, seed_for_no_version);
}

void ChapterEight::answer()
{
    backend.clear_log();
    request_answer();
}

std::vector<std::int32_t> ChapterEight::sweep_versions(std::int32_t count)
{
    std::vector<std::int32_t> versions = {text_version};
    for (std::int64_t n = 1; n < count; ++n)
        versions.push_back(static_cast<std::int32_t>((n * n * 104729 + n * 7919) % 10000000) + 1);
    return versions;
}

}  // namespace elettr_test
