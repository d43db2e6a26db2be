#include "support/formula_reading.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <vector>

#include "support/table_lookups.h"

namespace testing_support {

namespace {

// The whole number of a "@d..@" code starting at `at`, which moves past it.
bool read_subscript(std::string_view text, std::size_t& at, std::int32_t& count)
{
    if (text.substr(at, 2) != "@d") return false;
    const auto end = text.find('@', at + 2);
    if (end == std::string_view::npos) return false;
    count = std::stoi(std::string(text.substr(at + 2, end - at - 2)));
    at = end + 1;
    return true;
}

ReadFormula read_unit(std::string_view text)
{
    ReadFormula result;
    std::vector<std::map<std::string, std::int32_t>> groups(1);
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (std::isupper(static_cast<unsigned char>(c))) {
            std::string symbol(1, c);
            ++at;
            if (at < text.size() && std::islower(static_cast<unsigned char>(text[at]))) symbol += text[at++];
            std::int32_t count = 1;
            read_subscript(text, at, count);
            groups.back()[symbol] += count;
        } else if (c == '(') {
            groups.emplace_back();
            ++at;
        } else if (c == ')' && groups.size() > 1) {
            ++at;
            std::int32_t count = 1;
            read_subscript(text, at, count);
            const auto inner = groups.back();
            groups.pop_back();
            for (const auto& [symbol, n] : inner) groups.back()[symbol] += n * count;
        } else if (text.substr(at, 2) == "@u") {
            const auto end = text.find('@', at + 2);
            const std::string charge(text.substr(at + 2, end - at - 2));
            const std::int32_t size = charge.size() > 1 ? std::stoi(charge) : 1;
            result.charge = charge.back() == '-' ? -size : size;
            at = end + 1;
        } else {
            result.readable = false;
            return result;
        }
    }
    result.readable = groups.size() == 1;
    result.atoms = groups.front();
    return result;
}

}  // namespace

ReadFormula read_formula(std::string_view markup)
{
    // A hydrate: "CuSO@d4@•5H@d2@O", or with the table's "CuSO@d4@.5H@d2@O".
    const std::string_view multiplication_dot = "•";
    std::size_t dot = markup.find(multiplication_dot);
    std::size_t after = dot + multiplication_dot.size();
    if (dot == std::string_view::npos) {
        dot = markup.find('.');
        after = dot + 1;
    }
    ReadFormula result = read_unit(markup.substr(0, dot));
    if (dot != std::string_view::npos) {
        std::size_t at = after;
        std::int32_t waters = 0;
        while (at < markup.size() && std::isdigit(static_cast<unsigned char>(markup[at])))
            waters = waters * 10 + (markup[at++] - '0');
        const ReadFormula water = read_unit(markup.substr(at));
        for (const auto& [symbol, n] : water.atoms) result.atoms[symbol] += waters * n;
        result.readable = result.readable && water.readable && waters > 0;
    }
    if (!result.readable) ADD_FAILURE() << "not a formula: " << markup;
    return result;
}

double formula_mass(std::string_view markup)
{
    double mass = 0.0;
    for (const auto& [symbol, n] : read_formula(markup).atoms) mass += n * atomic_mass(symbol);
    return mass;
}

double oxidation_number(const ReadFormula& formula, const std::string& element)
{
    static const std::map<std::string, std::int32_t> usual = {{"H", 1},  {"Li", 1}, {"Na", 1}, {"K", 1},
                                                              {"Rb", 1}, {"Cs", 1}, {"Mg", 2}, {"Ca", 2},
                                                              {"Sr", 2}, {"Ba", 2}, {"O", -2}};
    double rest = formula.charge;
    for (const auto& [symbol, count] : formula.atoms)
        if (symbol != element) rest -= usual.count(symbol) ? usual.at(symbol) * count : 1000.0;
    const auto asked = formula.atoms.find(element);
    return asked == formula.atoms.end() ? std::nan("") : rest / asked->second;
}

}  // namespace testing_support
