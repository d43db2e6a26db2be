#include "statag_fixture.h"

#include <cmath>
#include <map>
#include <regex>

#include "chapters/statag/states_of_matter_chapter.h"

namespace statag_test {

std::vector<Shown> shown_numbers(std::string_view markup)
{
    static const std::regex power(R"(•10@u(-?[0-9]+)@)");
    static const std::regex code(R"(@[^@]*@)");
    static const std::regex number(R"(-?[0-9]+(\.[0-9]*)?(e-?[0-9]+)?)");
    std::string text = std::regex_replace(std::string(markup), power, "e$1");
    text = std::regex_replace(text, code, " ");
    std::vector<Shown> numbers;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), number); it != std::sregex_iterator(); ++it) {
        const std::string item = it->str();
        const auto e = item.find('e');
        const std::string mantissa = item.substr(0, e);
        const std::int32_t exponent = e == std::string::npos ? 0 : std::stoi(item.substr(e + 1));
        const auto point = mantissa.find('.');
        const auto decimals = point == std::string::npos ? 0 : static_cast<std::int32_t>(mantissa.size() - point - 1);
        numbers.push_back({std::stod(item), exponent - decimals});
    }
    return numbers;
}

::testing::AssertionResult close_to(const Shown& shown, double exact, double relative)
{
    const double tolerance = 0.51 * std::pow(10.0, shown.last_place) + relative * std::fabs(exact);
    if (std::fabs(shown.value - exact) <= tolerance) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown " << shown.value << ", recomputed " << exact << ", tolerance "
                                         << tolerance;
}

double molar_mass_named(std::string_view name)
{
    static const std::map<std::string, double, std::less<>> masses = {
        {"elio", 4.0026},
        {"neo", 20.180},
        {"argo", 39.948},
        {"cripto", 83.798},
        {"xeno", 131.293},
        {"azoto", 28.014},
        {"ossigeno", 31.998},
        {"fluoro", 37.997},
        {"cloro", 70.90},
        {"ammoniaca", 17.031},
        {"trifluoruro di fosforo", 87.969},
        {"monossido di carbonio", 28.010},
        {"biossido di carbonio", 44.009},
        {"monossido di azoto", 30.006},
        {"biossido di zolfo", 64.064},
        {"fluoruro di idrogeno", 20.006},
        {"cloruro di idrogeno", 36.461},
        {"solfuro di idrogeno", 34.081},
        {"metano", 16.043},
        {"etano", 30.070},
        {"cloruro di sodio", 58.443},
        {"cloruro di argento", 143.32},
        {"bromuro di potassio", 119.00},
        {"bromuro di argento", 187.77},
        {"ossido di magnesio", 40.304},
        {"ossido di nichel", 74.692},
        {"cloruro di bario", 208.23},
        {"fluoruro di calcio", 78.075},
        {"ossido di sodio", 61.979},
        {"ossido di potassio", 94.196},
        {"solfuro di sodio", 78.045},
        {"solfuro di potassio", 110.26},
        {"cloruro di cesio", 168.36},
        {"solfuro di calcio", 72.143},
    };
    const auto it = masses.find(name);
    return it == masses.end() ? 0.0 : it->second;
}

std::string without_article(std::string_view tail)
{
    for (std::string_view article : {"ell'", "ello ", "el "})
        if (tail.starts_with(article)) return std::string(tail.substr(article.size()));
    ADD_FAILURE() << "no article in " << tail;
    return std::string(tail);
}

std::vector<std::string> match(const std::string& text, const std::string& pattern)
{
    std::smatch groups;
    if (!std::regex_search(text, groups, std::regex(pattern))) {
        ADD_FAILURE() << "no match for " << pattern << " in " << text;
        return std::vector<std::string>(10);
    }
    std::vector<std::string> result;
    for (std::size_t i = 1; i < groups.size(); ++i) result.push_back(groups[i].str());
    result.resize(10);
    return result;
}

ChapterFour::ChapterFour() : ChapterTest(4, run_states_of_matter_chapter) {}

void ChapterFour::generate(std::int32_t k, std::int32_t version, std::int32_t seed_for_no_version)
{
    backend.clear_log();
    request_problem(k, version, seed_for_no_version);
}

void ChapterFour::answer()
{
    backend.clear_log();
    request_answer();
}

}  // namespace statag_test
